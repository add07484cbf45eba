// SPDX-License-Identifier: GPL-3.0-or-later
#include "CUIDisplay.h"

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "CDocument.h"
#include "CUIGraph.h"
#include "SIM/model/CSimulation.h"

namespace {
// One field's frame for the three text sizes, in the view's y-up coordinates:
// x = xW * W + x[s], y = yH * H + y[s], width = wW * W + width[s].
struct CFieldLayout {
    QLabel* CUIDisplay::*field;
    QLabel* CUIDisplay::*value;  // for a title of the output block: the value field it names
    float font[3];
    double xW; float x[3];
    double yH; float y[3];
    double wW; float width[3];
    float height[3];
};

constexpr CFieldLayout kLayout[] = {
    {&CUIDisplay::runFlagField, nullptr, {16, 20, 24}, 0, {2, 2, 2}, 1, {-22, -26, -30}, 0.33, {-2, 0, -2}, {20, 24, 28}},
    {&CUIDisplay::timeField, nullptr, {12, 14, 18}, 0, {2, 2, 2}, 1, {-34, -42, -50}, 1, {-125, -150, -185}, {16, 20, 22}},
    {&CUIDisplay::ipsField, nullptr, {12, 14, 18}, 0, {2, 2, 2}, 1, {-48, -58, -70}, 1, {-125, -150, -185}, {16, 20, 22}},
    {&CUIDisplay::progressField, nullptr, {12, 14, 18}, 0, {2, 2, 2}, 1, {-62, -74, -90}, 1, {-125, -150, -185}, {16, 20, 22}},
    {&CUIDisplay::dETitleField, nullptr, {12, 14, 18}, 0, {2, 2, 2}, 1, {-90, -106, -130}, 0, {40, 50, 60}, {16, 20, 22}},
    {&CUIDisplay::dEField, nullptr, {12, 14, 18}, 0, {40, 47, 59}, 1, {-90, -106, -130}, 1, {-165, -197, -245}, {16, 20, 22}},
    {&CUIDisplay::dENCTitleField, nullptr, {12, 14, 18}, 0, {2, 2, 2}, 1, {-104, -122, -150}, 1, {-145, -165, -210}, {16, 20, 22}},
    {&CUIDisplay::dENCField, nullptr, {12, 14, 18}, 0, {40, 47, 59}, 1, {-118, -138, -170}, 1, {-170, -197, -255}, {16, 20, 22}},
    {&CUIDisplay::movieFrameField, nullptr, {12, 16, 18}, 0, {2, 2, 2}, 0, {0, 0, 0}, 0, {200, 200, 200}, {16, 20, 22}},
    {&CUIDisplay::atomTypeField, nullptr, {16, 20, 24}, 0.34, {0, 0, 0}, 1, {-22, -26, -30}, 0.66, {-4, -4, -4}, {20, 24, 28}},
    {&CUIDisplay::KETitleField, &CUIDisplay::KEField, {12, 14, 18}, 1, {-124, -146.5, -185}, 1, {-34, -42, -50}, 0, {120, 150, 170}, {16, 20, 22}},
    {&CUIDisplay::KEField, nullptr, {12, 14, 18}, 1, {-92, -111, -139}, 1, {-34, -42, -50}, 0, {75, 80, 100}, {16, 20, 22}},
    {&CUIDisplay::PETitleField, &CUIDisplay::PEField, {12, 14, 18}, 1, {-123, -145.5, -183}, 1, {-48, -58, -70}, 0, {120, 150, 170}, {16, 20, 22}},
    {&CUIDisplay::PEField, nullptr, {12, 14, 18}, 1, {-92, -111, -139}, 1, {-48, -58, -70}, 0, {75, 80, 100}, {16, 20, 22}},
    {&CUIDisplay::TETitleField, &CUIDisplay::TEField, {12, 14, 18}, 1, {-124, -146.5, -184.5}, 1, {-62, -74, -90}, 0, {120, 150, 170}, {16, 20, 22}},
    {&CUIDisplay::TEField, nullptr, {12, 14, 18}, 1, {-92, -111, -139}, 1, {-62, -74, -90}, 0, {75, 80, 100}, {16, 20, 22}},
    {&CUIDisplay::TempTitleField, &CUIDisplay::TempField, {12, 14, 18}, 1, {-121.5, -144, -181}, 1, {-76, -90, -110}, 0, {120, 150, 170}, {16, 20, 22}},
    {&CUIDisplay::TempField, nullptr, {12, 14, 18}, 1, {-92, -111, -139}, 1, {-76, -90, -110}, 0, {75, 80, 100}, {16, 20, 22}},
    {&CUIDisplay::PTitleField, &CUIDisplay::PField, {12, 14, 18}, 1, {-120.5, -142.5, -180}, 1, {-90, -106, -130}, 0, {120, 150, 170}, {16, 20, 22}},
    {&CUIDisplay::PField, nullptr, {12, 14, 18}, 1, {-92, -111, -139}, 1, {-90, -106, -130}, 0, {75, 80, 100}, {16, 20, 22}},
    {&CUIDisplay::VrmsTitleField, &CUIDisplay::VrmsField, {12, 14, 18}, 1, {-140, -165.5, -209}, 1, {-104, -122, -150}, 0, {138, 160, 210}, {16, 20, 22}},
    {&CUIDisplay::VrmsField, nullptr, {12, 14, 18}, 1, {-92, -111, -139}, 1, {-104, -122, -150}, 0, {75, 80, 100}, {16, 20, 22}},
    {&CUIDisplay::VolumeTitleField, &CUIDisplay::VolumeField, {12, 14, 18}, 1, {-128.5, -152, -192}, 1, {-118, -138, -170}, 0, {125, 145, 185}, {16, 20, 22}},
    {&CUIDisplay::VolumeField, nullptr, {12, 14, 18}, 1, {-92, -111, -139}, 1, {-118, -138, -170}, 0, {75, 80, 100}, {16, 20, 22}},
    {&CUIDisplay::recordTypeField, nullptr, {14, 16, 19}, 0, {-4, -4, -4}, 1, {-134, -158, -194}, 1, {0, 0, 0}, {18, 22, 25}},
};

// A term a * extent + b; the fractional multiples are formed in double
// precision, whole extents in single precision, as the layout defines them.
float term(double a, float extent, float b)
{
    if (a == 0.0) return b;
    if (a == 1.0) return extent + b;
    return static_cast<float>(a * extent + b);
}

constexpr int kAxisFieldWidth = 60, kAxisFieldHeight = 14, kAxisFontSize = 10;

// The layout's sizes are those of an application font 12 pixels high (9
// points at 96 dots per inch); a larger system font, or a screen of more
// dots per inch, draws the readouts larger by as much.
constexpr double kLayoutFontPixels = 12.0;
}  // namespace

float CUIDisplay::systemTextFactor(const QWidget* host)
{
    const QFont font = QApplication::font();
    const double pixels = font.pointSizeF() > 0.0 ? font.pointSizeF() * host->logicalDpiY() / 72.0 : font.pixelSize();
    return pixels > 0.0 ? static_cast<float>(pixels / kLayoutFontPixels) : 1.0f;
}

CUIDisplay::CUIDisplay(CSimulation& simulation, CUIGraph& graph, QWidget* host)
    : Simulation(simulation), UIGraph(graph)
{
    const auto left = Qt::AlignLeft | Qt::AlignVCenter, right = Qt::AlignRight | Qt::AlignVCenter;
    runFlagField = makeField(host, QString(), left);
    timeField = makeField(host, QString(), left);
    ipsField = makeField(host, QString(), left);
    progressField = makeField(host, QString(), left);
    progressField->hide();
    dETitleField = makeField(host, QObject::tr("dE"), left, true);
    dEField = makeField(host, QString(), left);
    dENCTitleField = makeField(host, QObject::tr("Not conserved"), left, true);
    dENCField = makeField(host, QString(), left);
    atomTypeField = makeField(host, QString(), right);
    KETitleField = makeField(host, QObject::tr("KE (J)"), left, true);
    KEField = makeField(host, QString(), left);
    PETitleField = makeField(host, QObject::tr("PE (J)"), left, true);
    PEField = makeField(host, QString(), left);
    TETitleField = makeField(host, QObject::tr("TE (J)"), left, true);
    TEField = makeField(host, QString(), left);
    TempTitleField = makeField(host, QObject::tr("T (K)"), left, true);
    TempField = makeField(host, QString(), left);
    PTitleField = makeField(host, QObject::tr("P (Pa)"), left, true);
    PField = makeField(host, QString(), left);
    VrmsTitleField = makeField(host, QObject::tr("Vrms (m/s)"), left, true);
    VrmsField = makeField(host, QString(), left);
    VolumeTitleField = makeField(host, QObject::tr("V (m³)"), left, true);
    for (QLabel* title : {KETitleField, PETitleField, TETitleField, TempTitleField, PTitleField, VrmsTitleField,
                          VolumeTitleField})
        title->setAlignment(right);
    VolumeField = makeField(host, QString(), left);
    recordTypeField = makeField(host, QString(), right);
    xmaxField = makeField(host, QString(), right, true);
    xminField = makeField(host, QString(), left, true);
    ymaxField = makeField(host, QString(), right, true);
    yminField = makeField(host, QString(), right, true);
    movieFrameField = makeField(host, QString(), left);
    dEField->setToolTip(QObject::tr("Total energy difference since the run began; highlighted once it is as "
                                    "large as the total energy"));
    for (QLabel* axis : {xmaxField, xminField, ymaxField, yminField}) {
        QFont font = axis->font();
        font.setPixelSize(kAxisFontSize);
        axis->setFont(font);
        axis->resize(kAxisFieldWidth, kAxisFieldHeight);
    }
    movieFrameField->hide();
}

QLabel* CUIDisplay::makeField(QWidget* host, const QString& text, Qt::Alignment alignment, bool title)
{
    auto* field = new QLabel(text, host);
    field->setAlignment(alignment);
    field->setAttribute(Qt::WA_TransparentForMouseEvents);
    field->setTextFormat(Qt::PlainText);
    QPalette palette = field->palette();
    palette.setColor(QPalette::WindowText, title ? QColor(170, 200, 255) : QColor(Qt::white));
    palette.setColor(QPalette::Window, QColor(170, 20, 20));
    field->setPalette(palette);
    return field;
}

QString CUIDisplay::formatValue(const char* format, double value)
{
    if (std::isnan(value)) return QObject::tr("undefined");
    if (std::isinf(value)) return value > 0 ? QObject::tr("infinite") : QObject::tr("-infinite");
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

void CUIDisplay::setHighlighted(QLabel* field, bool on)
{
    if (field->autoFillBackground() != on) field->setAutoFillBackground(on);
}

void CUIDisplay::drawDisplays()
{
    CSimulation& s = Simulation;
    // A value inside a phrase of the person's language; a value that is no
    // number stands alone, as formatValue writes it.
    auto phrase = [](const QString& words, const char* format, double value) {
        return std::isfinite(value) ? words.arg(formatValue(format, value)) : formatValue(format, value);
    };

    if (s.getStateDisplayFlag()) {
        setStateDisplayVisibility(true);
        if (s.getRunState() == CRunState::stopped) runFlagField->setText(QObject::tr("STOPPED"));
        else if (s.getRunState() == CRunState::running) runFlagField->setText(QObject::tr("RUNNING"));
        if (s.getTimeUnit() == CTimeUnit::seconds) timeField->setText(phrase(QObject::tr("%1 secs"), "%.2e", s.getElapsedTime()));
        else if (s.getTimeUnit() == CTimeUnit::steps)
            timeField->setText(QObject::tr("%1 steps").arg(s.getIterations()));
        const double ips = std::floor(s.getIPS());
        ipsField->setText(QObject::tr("%1 ips").arg(std::isfinite(ips) && ips > 0 ? static_cast<unsigned>(ips) : 0u));
    } else {
        setStateDisplayVisibility(false);
    }

    if (s.getEnergyDiffDisplayFlag()) {
        setEnergyDiffDisplayVisibility(true);
        // A drift over a total energy of zero has no finite ratio; it is at
        // least as large as the total energy, so it stands out as well.
        const double ratio = s.getTotaldEPercent();
        const bool large = ratio >= 1.0 || (!std::isfinite(ratio) && s.getTotaldE() != 0.0);
        setHighlighted(dEField, large);
        dEField->setText(formatValue("%0.2e J", s.getTotaldE()));
        dENCField->setText(formatValue("%.2e J", s.gettdENotConserved()));
    } else {
        setEnergyDiffDisplayVisibility(false);
    }

    if (s.getNumericDisplayFlag()) {
        setNumericDisplayVisibility(true);
        const int t = s.getDisplayType();
        if (t >= 0 && t < CSimulation::kTypes) atomTypeField->setText(QString::fromStdString(s.getName(t)));
        else if (t == CSimulation::kAllAtoms) atomTypeField->setText(QObject::tr("ALL TYPES"));
        if (t >= 0 && t < CSimulation::kSlots) {
            // Energies and pressure of no atoms are 0, as the model measures
            // them; a temperature and a speed of no atoms are no numbers.
            const bool noAtoms = s.getSlotAtoms(t) == 0;
            KEField->setText(formatValue("%0.2e", s.getTCKEnergy(t)));
            PEField->setText(formatValue("%0.2e", s.getTCPEnergy(t)));
            TEField->setText(formatValue("%0.2e", s.getTCTEnergy(t)));
            TempField->setText(noAtoms ? kNoValue : formatValue("%0.2e", s.getTCTemperature(t)));
            PField->setText(formatValue("%0.2e", s.getTCPressure(t)));
            VrmsField->setText(noAtoms ? kNoValue : formatValue("%0.2e", s.getTCVrms(t)));
        }
        VolumeField->setText(formatValue("%0.2e", s.getTCVolume()));
        const CRecordKind mode = s.getRecordType();
        const CTimeUnit unit = s.getTimeUnit();
        const bool seconds = unit == CTimeUnit::seconds, steps = unit == CTimeUnit::steps;
        if (mode == CRecordKind::instant && (seconds || steps)) {
            recordTypeField->setText(QObject::tr("INSTANT"));
        } else if (mode == CRecordKind::timeConstant && seconds) {
            recordTypeField->setText(
                phrase(QObject::tr("%1 secs TIME CONSTANT"), "%.1e", s.getTimeStep() * s.getDisplayTimeConstant()));
        } else if (mode == CRecordKind::timeConstant && steps) {
            recordTypeField->setText(QObject::tr("%1 steps TIME CONSTANT")
                                         .arg(static_cast<unsigned>(std::floor(s.getDisplayTimeConstant()))));
        } else if (mode == CRecordKind::accumulated && seconds) {
            recordTypeField->setText(phrase(QObject::tr("%1 secs ACCUMULATED"), "%.1e", s.getRecord() * s.getTimeStep()));
        } else if (mode == CRecordKind::accumulated && steps) {
            recordTypeField->setText(QObject::tr("%1 steps ACCUMULATED").arg(s.getRecord()));
        }
    } else {
        setNumericDisplayVisibility(false);
    }

    if (s.getGraphDisplayFlag()) {
        setHistogramDisplayVisibility(true);
        ymaxField->setText(QString::number(static_cast<float>(s.getGraphYmax()), 'g', 4));
        yminField->setText(QString::number(static_cast<float>(s.getGraphYmin()), 'g', 4));
        xmaxField->setText(formatValue("%0.2e", s.getGraphXmax()));
        xminField->setText(QString::number(static_cast<float>(s.getGraphXmin()), 'g', 4));
    } else {
        setHistogramDisplayVisibility(false);
    }
}

void CUIDisplay::listenTo(CDocument& document)
{
    QWidget* host = runFlagField->parentWidget();
    auto clearProgress = [this] { drawProgress(QString()); };
    QObject::connect(&document, &CDocument::stateReplaced, host, [this, clearProgress] {
        // The display under way was the previous simulation's.
        clearProgress();
        showFieldsAsFlagged();
    });
    QObject::connect(&document, &CDocument::displaySettingsChanged, host, [this] { showFieldsAsFlagged(); });
    QObject::connect(&document, &CDocument::runStateChanged, host, [clearProgress](bool running) {
        if (!running) clearProgress();
    });
    QObject::connect(&document, &CDocument::displayDone, host, clearProgress);
    QObject::connect(&document, &CDocument::displayProgress, host, [this](const QString& text) {
        drawProgress(text);
        // The step count and readouts above the line follow the steps done, so
        // the two never disagree ("0 steps" over "4424 of 1000000 steps").
        drawDisplays();
    });
}

void CUIDisplay::showFieldsAsFlagged()
{
    setStateDisplayVisibility(Simulation.getStateDisplayFlag());
    setEnergyDiffDisplayVisibility(Simulation.getEnergyDiffDisplayFlag());
    setNumericDisplayVisibility(Simulation.getNumericDisplayFlag());
    setHistogramDisplayVisibility(Simulation.getGraphDisplayFlag());
}

void CUIDisplay::setStateDisplayVisibility(bool visible)
{
    for (QLabel* field : {runFlagField, timeField, ipsField}) field->setVisible(visible);
    progressField->setVisible(visible && !progressField->text().isEmpty());
}

void CUIDisplay::drawProgress(const QString& text)
{
    progressField->setText(text);
    progressField->setVisible(Simulation.getStateDisplayFlag() && !text.isEmpty());
}

void CUIDisplay::setEnergyDiffDisplayVisibility(bool visible)
{
    for (QLabel* field : {dETitleField, dEField, dENCTitleField, dENCField}) field->setVisible(visible);
}

void CUIDisplay::setNumericDisplayVisibility(bool visible)
{
    for (QLabel* field : {atomTypeField, KETitleField, KEField, PETitleField, PEField, TETitleField, TEField,
                          TempTitleField, TempField, PTitleField, PField, VrmsTitleField, VrmsField,
                          VolumeTitleField, VolumeField, recordTypeField})
        field->setVisible(visible);
}

void CUIDisplay::setHistogramDisplayVisibility(bool visible)
{
    for (QLabel* field : {ymaxField, yminField, xmaxField, xminField}) field->setVisible(visible);
    UIGraph.setVisible(visible);
}

void CUIDisplay::setMovieFrameDisplayVisibility(bool visible)
{
    movieFrameField->setVisible(visible);
}

void CUIDisplay::drawFrameDisplay(int current, int total)
{
    movieFrameField->setText(QStringLiteral("frame %1 of %2").arg(current).arg(total));
}

// y-up frames, converted to the host's y-down geometry in this one place.
static void placeYUp(QWidget* field, float x, float y, float width, float height, float hostHeight)
{
    field->setGeometry(qRound(x), qRound(hostHeight - y - height), qRound(width), qRound(height));
}

void CUIDisplay::setHistogramSize(QPointF anchor)
{
    const float W = UIGraph.parentWidget() ? UIGraph.parentWidget()->width() : 0.0f;
    anchorFromRight = W - static_cast<float>(anchor.x());
    anchorY = static_cast<float>(anchor.y());
    placeAxisLimits(anchor);
}

void CUIDisplay::placeAxisLimits(QPointF anchor)
{
    const float H = UIGraph.parentWidget() ? UIGraph.parentWidget()->height() : 0.0f;
    const float x = anchor.x(), y = anchor.y(), s = scale;
    const float fieldWidth = kAxisFieldWidth * s, fieldHeight = kAxisFieldHeight * s;
    const float left = x - Simulation.getHistogramWidth() * s;
    placeYUp(ymaxField, left - 62 * s, y + Simulation.getHistogramHeight() * s - 14 * s, fieldWidth, fieldHeight, H);
    placeYUp(yminField, left - 62 * s, y, fieldWidth, fieldHeight, H);
    placeYUp(xminField, left, y - fieldHeight - 1 * s, fieldWidth, fieldHeight, H);
    // The upper speed limit sits under the graph's right end, wherever the graph is.
    placeYUp(xmaxField, x - fieldWidth, y - fieldHeight - 1 * s, fieldWidth, fieldHeight, H);
}

void CUIDisplay::setScale(float factor)
{
    scale = factor;
    for (QLabel* axis : {xmaxField, xminField, ymaxField, yminField}) {
        QFont font = axis->font();
        font.setPixelSize(static_cast<int>(kAxisFontSize * scale));
        axis->setFont(font);
    }
}

void CUIDisplay::setDisplayTextSize(int size, float W, float H)
{
    if (size < 0 || size > 2) return;
    QFont font = QApplication::font();
    const float s = scale * systemTextFactor(runFlagField);
    for (const CFieldLayout& row : kLayout) {
        QLabel* field = this->*row.field;
        font.setPixelSize(static_cast<int>(row.font[size] * s));
        field->setFont(font);
        float x = term(row.xW, W, row.x[size] * s);
        const float width = term(row.wW, W, row.width[size] * s);
        if (row.value) {
            // A title ends just before its value, right-aligned: the title
            // texts are as wide as this platform's font makes them.
            const CFieldLayout* valueRow = std::find_if(std::begin(kLayout), std::end(kLayout),
                                                        [&row](const CFieldLayout& r) { return r.field == row.value; });
            x = term(valueRow->xW, W, valueRow->x[size] * s) - 4 * s - width;
        }
        placeYUp(field, x, term(row.yH, H, row.y[size] * s), width, row.height[size] * s, H);
    }
}

void CUIDisplay::followViewSize(int textSize, float W, float H)
{
    setDisplayTextSize(textSize, W, H);
    const QPointF anchor(W - anchorFromRight, anchorY);
    placeAxisLimits(anchor);
    UIGraph.setHistogramSize(anchor);
}
