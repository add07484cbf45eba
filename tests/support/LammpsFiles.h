// SPDX-License-Identifier: GPL-3.0-or-later
// Reading back what the LAMMPS export wrote: the data file's sections, the
// pair coefficients of the input, and LAMMPS's thermo output.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

struct LammpsAtom {
    int type = 0;
    double q = 0, x = 0, y = 0, z = 0, vx = 0, vy = 0, vz = 0;
};

struct LammpsData {
    long atoms = 0;
    int types = 0;
    double lo[3] = {}, hi[3] = {};
    std::map<int, double> masses;
    std::map<long, LammpsAtom> byId;
};

// Parses the sections the export writes, the way read_data reads them.
inline LammpsData parseLammpsData(const std::string& text)
{
    LammpsData d;
    std::istringstream in(text);
    std::string line, section;
    std::getline(in, line);  // title
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        std::string first;
        if (!(fields >> first)) continue;
        if (first == "Masses" || first == "Atoms" || first == "Velocities") {
            section = first;
            continue;
        }
        if (section.empty()) {
            if (line.find("atom types") != std::string::npos) d.types = std::stoi(first);
            else if (line.find("atoms") != std::string::npos) d.atoms = std::stol(first);
            for (int axis = 0; axis < 3; axis++)
                if (line.find(std::string(1, char('x' + axis)) + "lo") != std::string::npos) {
                    d.lo[axis] = std::stod(first);
                    fields >> d.hi[axis];
                }
        } else if (section == "Masses") {
            fields >> d.masses[std::stoi(first)];
        } else if (section == "Atoms") {
            LammpsAtom& a = d.byId[std::stol(first)];
            fields >> a.type >> a.q >> a.x >> a.y >> a.z;
        } else {
            LammpsAtom& a = d.byId[std::stol(first)];
            fields >> a.vx >> a.vy >> a.vz;
        }
    }
    return d;
}

// pair_coeff i j epsilon sigma cut... of the input script, keyed "i j".
inline std::map<std::string, std::vector<double>> parsePairCoefficients(const std::string& input)
{
    std::map<std::string, std::vector<double>> pairs;
    std::istringstream in(input);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line.substr(0, line.find('#')));
        std::string command, i, j;
        if (!(fields >> command >> i >> j) || command != "pair_coeff") continue;
        double value;
        while (fields >> value) pairs[i + " " + j].push_back(value);
    }
    return pairs;
}

// The thermo rows (step temp pe ke etotal press) of a LAMMPS log.
inline std::vector<std::vector<double>> parseThermoRows(const std::string& log)
{
    std::vector<std::vector<double>> rows;
    std::istringstream in(log);
    std::string line;
    bool inTable = false;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string first;
        if (!(fields >> first)) continue;
        if (first == "Step") {
            inTable = true;
            continue;
        }
        if (!inTable) continue;
        std::vector<double> row;
        try {
            row.push_back(std::stod(first));
        } catch (...) {
            inTable = false;
            continue;
        }
        double value;
        while (fields >> value) row.push_back(value);
        rows.push_back(row);
    }
    return rows;
}
