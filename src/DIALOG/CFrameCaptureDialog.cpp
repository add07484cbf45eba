// SPDX-License-Identifier: GPL-3.0-or-later
#include "CFrameCaptureDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

#include "DIALOG/CPlatform.h"
#include "DIALOG/CControlDescriptions.h"

CFrameCaptureDialog::CFrameCaptureDialog(CCaptureSettings& settings, QWidget* parent) : QDialog(parent), Settings(settings)
{
    setWindowTitle(tr("Capture Frame"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    fileTypePopupButton = new QComboBox(this);
    fileTypePopupButton->addItems({tr("JPEG"), tr("TIFF")});
    connect(fileTypePopupButton, &QComboBox::activated, this, &CFrameCaptureDialog::tabOut);
    form->addRow(tr("File &type:"), fileTypePopupButton);

    qualitySlider = new QSlider(Qt::Horizontal, this);
    qualitySlider->setRange(0, 100);
    qualitySlider->setMinimumWidth(160);
    qualityField = new QLabel(this);
    qualityField->setMinimumWidth(qualityField->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    qualityField->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(qualitySlider, &QSlider::valueChanged, qualityField,
            [this](int value) { qualityField->setText(tr("%1 %").arg(value)); });
    auto* quality = new QHBoxLayout;
    quality->addWidget(qualitySlider);
    quality->addWidget(qualityField);
    // A label made by the form for a layout has no buddy and would show the '&'.
    auto* qualityLabel = new QLabel(tr("JPEG &quality:"), this);
    qualityLabel->setBuddy(qualitySlider);
    form->addRow(qualityLabel, quality);
    screenPixelsBox = new QCheckBox(tr("Full &resolution of a scaled screen"), this);
    form->addRow(QString(), screenPixelsBox);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFrameCaptureDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFrameCaptureDialog::reject);
    layout->addWidget(buttons);
    CControlDescriptions::setRange(qualitySlider, 0, 100, "%");
    CControlDescriptions::describeControls(this);
}

void CFrameCaptureDialog::fill()
{
    fileTypePopupButton->setCurrentIndex(Settings.captureFileType == 0 ? 1 : 0);
    const int quality = static_cast<int>(std::lround(Settings.captureQuality));
    qualitySlider->setValue(quality);
    screenPixelsBox->setChecked(Settings.screenPixels != 0);
    qualityField->setText(tr("%1 %").arg(qualitySlider->value()));
    tabOut();
}

void CFrameCaptureDialog::run()
{
    fill();
    CModalScope modal;
    exec();
}

// TIFF is lossless: the quality controls go grey.
void CFrameCaptureDialog::tabOut()
{
    const bool jpeg = fileTypePopupButton->currentIndex() == 0;
    qualitySlider->setEnabled(jpeg);
    qualityField->setEnabled(jpeg);
}

void CFrameCaptureDialog::accept()
{
    Settings.captureFileType = fileTypePopupButton->currentIndex() == 0 ? 3 : 0;
    Settings.captureQuality = static_cast<float>(qualitySlider->value());
    Settings.screenPixels = screenPixelsBox->isChecked() ? 1 : 0;
    Settings.captureFlag = 1;
    QDialog::accept();
}

void CFrameCaptureDialog::cancel()
{
    Settings.captureFlag = 0;
    QDialog::reject();
}
