// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMovieDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

#include "BASE/CTextNumbers.h"
#include "DIALOG/CPlatform.h"
#include "SIM/model/CSimulation.h"
#include "DIALOG/CControlDescriptions.h"

namespace {
QString real(double value) { return QString::fromStdString(formatC("%.2e", value)); }

// A whole number as the field's leading digits read (nothing there reads 0).
int whole(const QLineEdit* field)
{
    const long long v = parseIntegerC(field->text().toStdString());
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}
}  // namespace

CMovieDialog::CMovieDialog(CSimulation& simulation, CPlatform& platform, CCaptureSettings& settings, QWidget* parent)
    : QDialog(parent), Simulation(simulation), Platform(platform), Settings(settings)
{
    setWindowTitle(tr("Make Movie"));
    auto* layout = new QVBoxLayout(this);

    auto* fields = new QFormLayout;
    auto edit = [this] {
        auto* field = new QLineEdit(this);
        field->setAlignment(Qt::AlignRight);
        connect(field, &QLineEdit::textEdited, this, &CMovieDialog::tabOut);
        return field;
    };
    fields->addRow(tr("&Displays per frame:"), displaysPerFrameField = edit());
    fields->addRow(tr("&Frames to capture (after the first):"), framesToCaptureField = edit());
    fields->addRow(tr("Frame &length (1/600 s):"), frameLengthField = edit());
    codecButton = new QComboBox(this);
    codecButton->addItems({tr("H.264"), tr("Uncompressed")});
    connect(codecButton, &QComboBox::activated, this, &CMovieDialog::tabOut);
    fields->addRow(tr("&Codec:"), codecButton);
    imageQualityButton = new QComboBox(this);
    imageQualityButton->addItems({tr("Maximum"), tr("High"), tr("Normal"), tr("Low"), tr("Minimum")});
    fields->addRow(tr("&Quality:"), imageQualityButton);
    screenPixelsBox = new QCheckBox(tr("Full &resolution of a scaled screen"), this);
    fields->addRow(QString(), screenPixelsBox);
    layout->addLayout(fields);

    auto* derived = new QGroupBox(tr("This comes to"), this);
    auto* form = new QFormLayout(derived);
    auto show = [this] {
        auto* field = new QLabel(this);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return field;
    };
    form->addRow(tr("Steps per display:"), iterationsPerDisplayField = show());
    form->addRow(tr("Simulated time per display (s):"), timePerDisplayField = show());
    form->addRow(tr("Steps per frame:"), iterationsPerFrameField = show());
    form->addRow(tr("Simulated time per frame (s):"), timePerFrameField = show());
    form->addRow(tr("Steps in all:"), totalIterationField = show());
    form->addRow(tr("Simulated time in all (s):"), totalTimeField = show());
    form->addRow(tr("Movie running time (s):"), movieRunTimeField = show());
    layout->addWidget(derived);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMovieDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMovieDialog::reject);
    layout->addWidget(buttons);
    CControlDescriptions::describeControls(this);
}

void CMovieDialog::fill()
{
    displaysPerFrameField->setText(QString::number(Settings.displaysPerFrame));
    framesToCaptureField->setText(QString::number(Settings.framesToCapture));
    frameLengthField->setText(QString::number(Settings.frameLength));
    imageQualityButton->setCurrentIndex(Settings.quality);
    codecButton->setCurrentIndex(Settings.codec);
    screenPixelsBox->setChecked(Settings.screenPixels != 0);
    tabOut();
    displaysPerFrameField->setFocus();
    displaysPerFrameField->selectAll();
}

void CMovieDialog::run()
{
    fill();
    CModalScope modal;
    exec();
}

// The derived fields follow every change of the three settings; quality
// means nothing to the uncompressed codec.
void CMovieDialog::tabOut()
{
    const long long D = whole(displaysPerFrameField), F = whole(framesToCaptureField), L = whole(frameLengthField);
    const long long I = Simulation.getIPD();
    const double dt = Simulation.getTimeStep();
    iterationsPerDisplayField->setText(QString::number(I));
    timePerDisplayField->setText(real(I * dt));
    iterationsPerFrameField->setText(QString::number(D * I));
    timePerFrameField->setText(real(I * dt * D));
    totalIterationField->setText(QString::number(D * F * I));
    totalTimeField->setText(real(I * dt * D * F));
    movieRunTimeField->setText(real(L * F * 0.00166666666667));
    if (codecButton->currentIndex() == 0) imageQualityButton->setEnabled(true);
    else if (codecButton->currentIndex() == 1) imageQualityButton->setEnabled(false);
}

void CMovieDialog::accept()
{
    const int D = whole(displaysPerFrameField), F = whole(framesToCaptureField), L = whole(frameLengthField);
    // A frame every 0 displays, a negative count or frames without length
    // would make a movie that is no movie.
    QLineEdit* refused = D < 1 ? displaysPerFrameField : F < 0 ? framesToCaptureField : L < 1 ? frameLengthField : nullptr;
    if (refused) {
        Platform.alert("Alert.",
                       "Displays per frame and the frame length must be at least 1, "
                       "and the frames to capture at least 0.",
                       {"OK"});
        refused->setFocus();
        refused->selectAll();
        return;
    }
    Settings.displaysPerFrame = D;
    Settings.framesToCapture = F;
    Settings.frameLength = L;
    Settings.quality = imageQualityButton->currentIndex();
    Settings.codec = codecButton->currentIndex();
    Settings.screenPixels = screenPixelsBox->isChecked() ? 1 : 0;
    Settings.makeMovieFlag = 1;
    QDialog::accept();
}

void CMovieDialog::cancel()
{
    Settings.makeMovieFlag = 0;
    QDialog::reject();
}
