// SPDX-License-Identifier: GPL-3.0-or-later
#include "CNewSimulationDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

#include "DIALOG/CPlatform.h"
#include "SIM/model/CSimulation.h"
#include "DIALOG/CControlDescriptions.h"
#include "SIM/model/CValueRules.h"

using namespace newSimulation;

namespace {
// The substances' rows of the type menus, then the custom one.
constexpr int kCustom = kSubstanceCount;

bool numberIn(const QLineEdit* field, double& value)
{
    bool ok = false;
    value = QLocale::c().toDouble(field->text().trimmed(), &ok);
    return ok;
}
}  // namespace

CNewSimulationDialog::CNewSimulationDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("New Simulation"), parent)
{
    auto* layout = new QVBoxLayout(this);

    auto* atoms = new QGroupBox(tr("Atoms"), this);
    auto* grid = new QGridLayout(atoms);
    const QString headers[] = {tr("Type"), tr("Substance"), tr("Count"), tr("Diameter (m)"), tr("Mass (kg)"),
                               tr("Well depth (J)")};
    for (int c = 0; c < 6; c++) grid->addWidget(new QLabel(headers[c], this), 0, c + (c > 0 ? 1 : 0));
    const CSpec start;
    for (int t = 0; t < kTypes; t++) {
        grid->addWidget(colour[t] = swatch(t), t + 1, 0);
        grid->addWidget(new QLabel(QString(QChar('A' + t)), this), t + 1, 1);
        substance[t] = new QComboBox(this);
        for (const CSubstance& s : kSubstances)
            substance[t]->addItem(tr("%1 (%2)").arg(QString::fromLatin1(s.name), QString::fromLatin1(s.symbol)));
        substance[t]->addItem(tr("Custom"));
        grid->addWidget(substance[t], t + 1, 2);
        count[t] = new QSpinBox(this);
        count[t]->setRange(0, CSimulation::kMaxPerType);
        count[t]->setSuffix(tr(" atoms"));
        grid->addWidget(count[t], t + 1, 3);
        grid->addWidget(diameter[t] = numberField(), t + 1, 4);
        grid->addWidget(mass[t] = numberField(), t + 1, 5);
        grid->addWidget(wellDepth[t] = numberField(), t + 1, 6);
        // Argon in A to begin with, the other types custom and empty.
        substance[t]->setCurrentIndex(t == 0 ? 0 : kCustom);
        count[t]->setValue(t == 0 ? 256 : 0);
        connect(substance[t], &QComboBox::currentIndexChanged, this, [this, t] {
            substanceChosen(t);
            update();
        });
        connect(count[t], &QSpinBox::valueChanged, this, &CNewSimulationDialog::update);
        for (QLineEdit* field : {diameter[t], mass[t], wellDepth[t]})
            connect(field, &QLineEdit::textEdited, this, &CNewSimulationDialog::update);
    }
    auto* rule = new QLabel(tr("Unlike pairs: the mean diameter and the geometric mean of the well depths "
                               "(Lorentz-Berthelot)."),
                            this);
    rule->setWordWrap(true);
    grid->addWidget(rule, kTypes + 1, 0, 1, 7);
    layout->addWidget(atoms);

    auto* packing = new QGroupBox(tr("Arrangement and density of the whole box"), this);
    auto* form = new QFormLayout(packing);
    arrangement = new QComboBox(this);
    arrangement->addItem(tr("Face-centred cubic lattice (fcc)"), static_cast<int>(CArrangement::faceCentredCubic));
    arrangement->addItem(tr("Body-centred cubic lattice (bcc)"), static_cast<int>(CArrangement::bodyCentredCubic));
    arrangement->addItem(tr("Simple cubic lattice (sc)"), static_cast<int>(CArrangement::simpleCubic));
    arrangement->addItem(tr("Random, without overlap"), static_cast<int>(CArrangement::random));
    connect(arrangement, &QComboBox::currentIndexChanged, this, &CNewSimulationDialog::update);
    form->addRow(tr("&Arrangement:"), arrangement);
    const QString measureNames[kMeasures] = {tr("&Mass density (kg/m3):"), tr("N&umber density (atoms/m3):"),
                                             tr("&Packing fraction:"), tr("&Box width (m):")};
    for (int k = 0; k < kMeasures; k++) {
        measure[k] = numberField();
        form->addRow(measureNames[k], measure[k]);
        connect(measure[k], &QLineEdit::textEdited, this, [this, k] {
            given = static_cast<CDensityMeasure>(k);
            densityTyped = true;
            update();
        });
    }
    layout->addWidget(packing);

    auto* motion = new QGroupBox(tr("Temperature and switches"), this);
    auto* motionForm = new QFormLayout(motion);
    temperature = numberField();
    temperature->setText(realText(start.temperature, "%g"));
    connect(temperature, &QLineEdit::textEdited, this, &CNewSimulationDialog::update);
    motionForm->addRow(tr("&Temperature (K):"), temperature);
    seed = new QSpinBox(this);
    seed->setRange(0, 999999999);
    seed->setValue(static_cast<int>(start.seed));
    motionForm->addRow(tr("Random s&eed:"), seed);
    pairPotentials = new QCheckBox(tr("Lennard-Jones forces between atoms"), this);
    pairPotentials->setChecked(start.pairPotentials);
    contacts = new QCheckBox(tr("Contacts at the mean diameter"), this);
    contacts->setChecked(start.contacts);
    periodic = new QCheckBox(tr("Periodic (bulk)"), this);
    periodic->setChecked(start.periodic);
    floorAttraction = new QCheckBox(tr("Floor attracts atoms (each type's well depth)"), this);
    floorBath = new QCheckBox(tr("Floor exchanges heat with a bath at"), this);
    floorTemperature = numberField();
    floorTemperature->setText(realText(start.temperature, "%g"));
    auto* bathRow = new QHBoxLayout;
    bathRow->addWidget(floorBath);
    bathRow->addWidget(floorTemperature);
    bathRow->addWidget(new QLabel(tr("K"), this));
    bathRow->addStretch();
    periodicNote = hintLabel(periodicBoxNote());
    motionForm->addRow(pairPotentials);
    motionForm->addRow(contacts);
    // The note beside the switch, so that the dialog keeps its height.
    auto* periodicRow = new QHBoxLayout;
    periodicRow->addWidget(periodic);
    periodicRow->addSpacing(12);
    periodicRow->addWidget(periodicNote, 1);
    motionForm->addRow(periodicRow);
    motionForm->addRow(floorAttraction);
    motionForm->addRow(bathRow);
    piston = new QCheckBox(tr("Piston on top of the box"), this);
    motionForm->addRow(piston);
    connect(floorTemperature, &QLineEdit::textEdited, this, &CNewSimulationDialog::update);
    connect(floorBath, &QCheckBox::toggled, this, &CNewSimulationDialog::update);
    connect(periodic, &QCheckBox::toggled, this, [this] {
        showKindOfBox();
        update();
    });
    layout->addWidget(motion);

    auto* previewBox = new QGroupBox(tr("What will be built"), this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    preview = new QLabel(this);
    preview->setWordWrap(true);
    preview->setMinimumHeight(preview->fontMetrics().lineSpacing() * 4);
    preview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    previewLayout->addWidget(preview);
    layout->addWidget(previewBox);
    floorTemperature->setAccessibleName(tr("Floor temperature"));
    CControlDescriptions::setRange(floorTemperature, valueRules::kFloorTemperature);
    for (int t = 0; t < kTypes; t++)
        CControlDescriptions::setRanges({{diameter[t], valueRules::kDiameter}, {mass[t], valueRules::kMass},
                                         {wellDepth[t], valueRules::kWellDepth}});
    addButtons(layout);

    for (int t = 0; t < kTypes; t++) substanceChosen(t);
    showKindOfBox();
    update();
}

void CNewSimulationDialog::showKindOfBox()
{
    const bool bulk = periodic->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(floorAttraction), static_cast<QWidget*>(floorBath),
                             static_cast<QWidget*>(floorTemperature), static_cast<QWidget*>(piston)})
        control->setEnabled(!bulk);
    // Kept in its place when hidden, so that the switch does not move.
    periodicNote->setText(bulk ? periodicBoxNote() : QString());
}

void CNewSimulationDialog::fill()
{
    builtOne = false;
    for (int t = 0; t < kTypes; t++) updateSwatch(colour[t], t);
    update();
    count[0]->setFocus();
}

void CNewSimulationDialog::substanceChosen(int t)
{
    const int chosen = substance[t]->currentIndex();
    const bool custom = chosen == kCustom;
    const CTypeSpec type = custom ? customType() : substanceType(kSubstances[chosen]);
    for (QLineEdit* field : {diameter[t], mass[t], wellDepth[t]}) field->setReadOnly(!custom);
    // A custom type starts from the model's default type; a substance shows its own values.
    if (!custom || diameter[t]->text().isEmpty()) {
        diameter[t]->setText(realText(type.diameter, "%.4g"));
        mass[t]->setText(realText(type.mass, "%.5g"));
        wellDepth[t]->setText(realText(type.wellDepth, "%.4g"));
    }
}

bool CNewSimulationDialog::readSpec(CSpec& spec, QString& problem) const
{
    spec = CSpec();
    int used = kTypes;
    while (used > 0 && count[used - 1]->value() == 0) used--;
    for (int t = 0; t < used; t++) {
        const int chosen = substance[t]->currentIndex();
        CTypeSpec type = chosen == kCustom ? customType() : substanceType(kSubstances[chosen]);
        type.count = count[t]->value();
        if (chosen == kCustom) {
            const QString letter(QChar('A' + t));
            if (!numberIn(diameter[t], type.diameter)) problem = tr("The diameter of type %1 is not a number.").arg(letter);
            else if (!numberIn(mass[t], type.mass)) problem = tr("The mass of type %1 is not a number.").arg(letter);
            else if (!numberIn(wellDepth[t], type.wellDepth))
                problem = tr("The well depth of type %1 is not a number.").arg(letter);
            if (!problem.isEmpty()) return false;
        }
        spec.types.push_back(type);
    }
    spec.arrangement = static_cast<CArrangement>(arrangement->currentData().toInt());
    spec.periodic = periodic->isChecked();  // before the default density, which depends on it
    spec.contacts = contacts->isChecked();
    spec.measure = given;
    if (!densityTyped) {
        spec.density = defaultPackingFraction(spec);
    } else if (!numberIn(measure[static_cast<int>(given)], spec.density)) {
        problem = tr("The density is not a number.");
        return false;
    }
    if (!numberIn(temperature, spec.temperature)) {
        problem = tr("The temperature is not a number.");
        return false;
    }
    spec.seed = static_cast<std::uint64_t>(seed->value());
    spec.pairPotentials = pairPotentials->isChecked();
    // The floor's and the piston's switches are kept for a closed box, and do not count in a periodic one.
    spec.floorAttraction = !spec.periodic && floorAttraction->isChecked();
    spec.floorBath = !spec.periodic && floorBath->isChecked();
    if (spec.floorBath && !numberIn(floorTemperature, spec.floorTemperature)) {
        problem = tr("The floor temperature is not a number.");
        return false;
    }
    spec.piston = !spec.periodic && piston->isChecked();
    return true;
}

QString CNewSimulationDialog::previewText() const { return preview->text(); }

void CNewSimulationDialog::update()
{
    CSpec spec;
    QString problem;
    if (!readSpec(spec, problem)) {
        preview->setText(problem);
        return;
    }
    const CDensities box = densitiesOf(spec);
    const double values[kMeasures] = {box.massDensity, box.numberDensity, box.packingFraction, box.boxWidth};
    for (int k = 0; k < kMeasures; k++)
        if (k != static_cast<int>(given) || !densityTyped)
            measure[k]->setText(values[k] > 0.0 ? realText(values[k], "%.4g") : QString());
    const CPlan p = plan(spec);
    if (!p.refusal.empty()) {
        preview->setText(tr("Cannot be built: %1").arg(QString::fromStdString(p.refusal)));
        return;
    }
    double largest = 0.0;
    for (const CTypeSpec& type : spec.types)
        if (type.count > 0) largest = std::max(largest, type.diameter);
    QString text = tr("%1 atoms in a box %2 m wide.").arg(p.atoms).arg(realText(box.boxWidth, "%.3e"));
    if (p.atomsPerCell > 0) {
        const QString sites = p.sites > p.atoms ? tr("%1 sites for %2 atoms, filled from the floor up")
                                                : tr("%1 sites for %2 atoms");
        text += QLatin1Char(' ') +
                tr("%1 x %1 x %1 cells, %2 atoms per cell, %3; lattice constant %4 m, "
                   "nearest distance %5 m (%6 diameters).")
                    .arg(p.cellsPerEdge)
                    .arg(p.atomsPerCell)
                    .arg(sites.arg(p.sites).arg(p.atoms))
                    .arg(realText(p.latticeConstant, "%.3e"), realText(p.nearestDistance, "%.3e"))
                    .arg(realText(p.nearestDistance / largest, "%.3f"));
    } else {
        text += QLatin1Char(' ') + tr("Placed at random, each pair at least its mean diameter apart.");
    }
    if (spec.periodic) text += QLatin1Char(' ') + tr("The box is periodic: the atoms fill it, with no walls.");
    preview->setText(text);
}

void CNewSimulationDialog::accept()
{
    CSpec spec;
    QString problem;
    if (!readSpec(spec, problem)) {
        platform().alert("Alert.", problem.toStdString(), {"OK"});
        return;
    }
    auto scratch = std::make_unique<CSimulation>(platform());
    const std::string refusal = build(spec, *scratch);
    if (!refusal.empty()) {
        platform().alert("Cannot Build the Simulation.", refusal, {"OK"});
        return;
    }
    Simulation.adoptState(*scratch);
    builtOne = true;
    end(true);
}
