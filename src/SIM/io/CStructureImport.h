// SPDX-License-Identifier: GPL-3.0-or-later
// Structures brought in from other programs: an extended XYZ frame or a
// LAMMPS data file (atom styles atomic and charge, as the LAMMPS export
// writes them), each told from its content, and the one entrance through
// which a file of any kind Quorvel reads replaces the simulation. A structure
// is built whole in a scratch simulation and adopted only when every line of
// it was valid, so a refusal loses nothing.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class CSimulation;

enum class CFileKind { simulation, extendedXyz, lammpsData };

namespace structureImport {
// The kind a file's text is: an XYZ count line first, or a LAMMPS data
// header; anything else is taken to be a simulation file, whose reader
// refuses it when no line of it is one.
CFileKind kindOfText(std::string_view text);
// The frames of an XYZ text (those before the first malformed one).
int extendedXyzFrames(std::string_view text);
// Builds the structure in scratch (any simulation: it is made anew). Answers
// the refusal ("line N: reason"), empty when scratch holds the structure;
// notice tells what was made of the file that a user should know.
std::string buildFromExtendedXyz(std::string_view text, int frame, CSimulation& scratch, std::string& notice);
std::string buildFromLammpsData(std::string_view text, CSimulation& scratch, std::string& notice);

// The refusal's start when a file is of no kind Quorvel reads, and the
// refusal when the frame chooser gave none.
inline constexpr const char* kNotAFileQuorvelReads = "not a simulation file, nor extended XYZ, nor a LAMMPS data file";
inline constexpr const char* kNoFrameChosen = "no frame was chosen";

struct COpened {
    std::string refusal;  // empty when the file was read
    std::string notice;   // what a user should know of a structure read
    CFileKind kind = CFileKind::simulation;
};
// Reads the file at path into live, whatever kind it is; for a trajectory of
// several frames chooseFrame (given the count) picks one, 0 the first; left
// empty, the first is read. A refused file changes nothing.
COpened openAnyFile(CSimulation& live, const std::string& path, const std::function<int(int)>& chooseFrame = {});
}  // namespace structureImport
