// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPlotChart.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "BASE/CAtomicFile.h"
#include "DIALOG/CPlatform.h"
#include "RENDER/CScenePicture.h"

void CZoomChartView::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0 || !chart()) return;
    const QPointF at = chart()->mapToValue(chart()->mapFromScene(mapToScene(event->position().toPoint())));
    // Each notch away from the user zooms in by a fifth.
    emit wheelZoom(std::pow(0.8, notches), at.x());
    event->accept();
}

CPlotChart::CPlotChart(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : QWidget(parent), Simulation(simulation), Platform(platform), chart_(new QChart)
{
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    view_ = new CZoomChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(360, 240);
    plotWidget_ = view_;
    watchPlotArea(chart_);

    exportButton_ = new QToolButton(this);
    exportButton_->setText(tr("Export"));
    exportButton_->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(exportButton_);
    menu->addAction(tr("CSV Table..."), this, &CPlotChart::exportCsvAs);
    menu->addAction(tr("PNG Picture..."), this, &CPlotChart::exportPngAs);
    menu->addAction(tr("SVG Drawing..."), this, &CPlotChart::exportSvgAs);
    exportButton_->setMenu(menu);

    controls_ = new QHBoxLayout;
    controls_->addStretch(1);
    controls_->addWidget(exportButton_);
    caption_ = new QLabel(this);
    caption_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A caption of many numbers wraps instead of widening the window past the screen.
    caption_->setWordWrap(true);
    column_ = new QVBoxLayout(this);
    auto* column = column_;
    column->addLayout(controls_);
    column->addWidget(caption_);
    column->addWidget(view_, 1);
}

void CPlotChart::watchPlotArea(QChart* chart)
{
    // Queued: the chart is in the middle of its layout when it tells.
    connect(
        chart, &QChart::plotAreaChanged, this,
        [this] {
            if (pixelColumns() == laidOutColumns_) return;
            laidOutColumns_ = pixelColumns();
            pixelColumnsChanged();
        },
        Qt::QueuedConnection);
}

void CPlotChart::setPlotWidget(QWidget* widget)
{
    // The layout hands back the item that held the old widget: ours to delete.
    delete column_->replaceWidget(plotWidget_, widget);
    plotWidget_->hide();
    plotWidget_ = widget;
    column_->setStretchFactor(widget, 1);
}

void CPlotChart::addControl(QWidget* control)
{
    controls_->insertWidget(controls_->count() - 2, control);
}

QHBoxLayout* CPlotChart::addControlRow()
{
    auto* row = new QHBoxLayout;
    column_->insertLayout(column_->indexOf(controls_), row);
    return row;
}

void CPlotChart::setCaption(const QString& text)
{
    if (caption_->text() != text) caption_->setText(text);
}

int CPlotChart::pixelColumns() const
{
    // Before the first layout the plot area is empty; a hundred columns keep the line's shape until then.
    return std::max(100, static_cast<int>(linesArea().width() * view_->devicePixelRatioF()));
}

void CPlotChart::antialiasLinesUpTo(qsizetype longestLine, const QList<QChartView*>& views)
{
    const bool smooth = longestLine <= pixelColumns();
    for (QChartView* view : views)
        if (view->renderHints().testFlag(QPainter::Antialiasing) != smooth)
            view->setRenderHint(QPainter::Antialiasing, smooth);
}

bool CPlotChart::reportFailure(const QString& path, const QString& reason)
{
    Platform.alert("Alert.", QStringLiteral("The file \"%1\" could not be written: %2.").arg(path, reason).toStdString(),
                   {"OK"});
    return false;
}

bool CPlotChart::exportCsv(const QString& path)
{
    const std::string failure = writeFileAtomically(path.toStdString(), csvText());
    return failure.empty() || reportFailure(path, QString::fromStdString(failure));
}

// The caption says what the chart measured (the temperatures of a speed
// distribution, the samples of a series): a picture keeps it above the chart.
QRect CPlotChart::exportedArea() const
{
    const QRect chartArea = plotWidget_->geometry();
    if (caption_->isHidden() || caption_->text().isEmpty()) return chartArea;
    return chartArea.united(caption_->geometry());
}

bool CPlotChart::exportPng(const QString& path)
{
    const QString failure = writeImageAtomically(grab(exportedArea()).toImage(), path);
    return failure.isEmpty() || reportFailure(path, failure);
}

// The drawing goes to a temporary file that replaces the target only once
// it is complete.
bool CPlotChart::exportSvg(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return reportFailure(path, file.errorString());
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    const QRect area = exportedArea();
    svg.setSize(area.size());
    svg.setViewBox(QRect(QPoint(0, 0), area.size()));
    svg.setTitle(title());
    svg.setDescription(tr("Quorvel Plots: %1").arg(title()));
    QPainter painter;
    if (!painter.begin(&svg)) {
        file.cancelWriting();
        return reportFailure(path, tr("the drawing could not be started"));
    }
    render(&painter, QPoint(), QRegion(area), QWidget::DrawChildren);
    painter.end();
    if (!file.commit()) return reportFailure(path, file.errorString());
    return true;
}

void CPlotChart::exportAs(const std::string& type)
{
    const std::string description = type == "csv" ? "CSV tables" : type == "png" ? "PNG images" : "SVG drawings";
    CSavePanelRequest request{"Export Chart As...", "File Name: ", type, fileStem().toStdString() + "." + type};
    request.fileTypeDescription = description;
    std::string chosen;
    if (!Platform.savePanel(request, chosen)) return;
    QString path = QString::fromStdString(chosen);
    if (QFileInfo(path).suffix().compare(QString::fromStdString(type), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".") + QString::fromStdString(type);
    if (type == "csv") exportCsv(path);
    else if (type == "png") exportPng(path);
    else exportSvg(path);
}
