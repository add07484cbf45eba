// SPDX-License-Identifier: GPL-3.0-or-later
// The status fields over the simulation view: run state, time and speed,
// energy difference, the smoothed outputs of one atom type, the averaging
// mode, the histogram's axis limits and the movie frame counter. Their texts
// are refreshed with every drawing pass; they are shown in four groups and
// laid out for three text sizes.
#pragma once

#include <QLabel>
#include <QPointF>
#include <QString>

class CDocument;
class CSimulation;
class CUIGraph;

class CUIDisplay {
public:
    // The fields become children of host (the simulation view), over the scene.
    CUIDisplay(CSimulation& simulation, CUIGraph& graph, QWidget* host);

    CSimulation& Simulation;
    CUIGraph& UIGraph;
    QLabel *runFlagField, *timeField, *ipsField;
    QLabel* progressField;  // a long display's progress, under the state; empty and hidden otherwise
    QLabel *dETitleField, *dEField, *dENCTitleField, *dENCField;
    QLabel *atomTypeField;
    QLabel *KETitleField, *KEField, *PETitleField, *PEField, *TETitleField, *TEField;
    QLabel *TempTitleField, *TempField, *PTitleField, *PField, *VrmsTitleField, *VrmsField;
    QLabel *VolumeTitleField, *VolumeField;
    QLabel *recordTypeField;
    QLabel *xmaxField, *xminField, *ymaxField, *yminField;
    QLabel *movieFrameField;

    // Follows the document: the fields shown after a state was put in
    // place or a display setting changed, the progress line as the run goes.
    void listenTo(CDocument& document);
    void drawDisplays();
    // The four groups shown or hidden as the simulation's flags say.
    void showFieldsAsFlagged();
    void setStateDisplayVisibility(bool visible);
    // The progress line of the display under way; an empty text hides it.
    void drawProgress(const QString& text);
    void setEnergyDiffDisplayVisibility(bool visible);
    void setNumericDisplayVisibility(bool visible);
    void setHistogramDisplayVisibility(bool visible);
    void setMovieFrameDisplayVisibility(bool visible);
    void drawFrameDisplay(int current, int total);
    // anchor: the graph's lower-right corner, y-up view coordinates.
    void setHistogramSize(QPointF anchor);
    // size 0 small, 1 medium, 2 large; W and H the view's width and height.
    void setDisplayTextSize(int size, float W, float H);
    // The view was resized: the fields and the graph keep their places
    // relative to the view's edges.
    void followViewSize(int textSize, float W, float H);
    // The fields drawn this many times larger than the text size says
    // (presentation), from the next layout on; 1 draws them as it says.
    void setScale(float factor);
    // How much larger than their layout the system's text draws the
    // readouts: the application font against the layout's, on host's screen.
    static float systemTextFactor(const QWidget* host);

    // A number in a printf format, or a word where the value is not finite,
    // so a drift over a zero total energy never reads "nan" or "inf".
    static QString formatValue(const char* format, double value);
    // A readout that has no value: the temperature or rms speed of a slot
    // with no atoms.
    static inline const QString kNoValue = QStringLiteral("-");

private:
    QLabel* makeField(QWidget* host, const QString& text, Qt::Alignment alignment, bool title = false);
    void placeAxisLimits(QPointF anchor);
    void setHighlighted(QLabel* field, bool on);

    float scale = 1.0f;
    float anchorFromRight = 5.0f, anchorY = 16.0f;  // histogram anchor relative to the view's right edge
};
