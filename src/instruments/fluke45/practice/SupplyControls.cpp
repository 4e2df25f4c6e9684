#include "instruments/fluke45/practice/SupplyControls.h"

#include "sim/bench/Fluke45Bench.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

// The knobs, as rows of two buttons: what the row is, and its step down and up.
struct KnobRow {
    const char* label;
    const char* downName;
    const char* upName;
    BenchAction down;
    BenchAction up;
};
const KnobRow knobs[] = {
    {"Tensión, ajuste grueso (1 V):", "Bajar la tensión 1 V", "Subir la tensión 1 V", BenchAction::SupplyCoarseDown,
     BenchAction::SupplyCoarseUp},
    {"Tensión, ajuste fino (0,1 V):", "Bajar la tensión 0,1 V", "Subir la tensión 0,1 V", BenchAction::SupplyFineDown,
     BenchAction::SupplyFineUp},
    {"Límite de corriente (0,1 A):", "Bajar el límite de corriente 0,1 A", "Subir el límite de corriente 0,1 A",
     BenchAction::SupplyLimitDown, BenchAction::SupplyLimitUp},
};

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

SupplyControls::SupplyControls(const Fluke45Bench& bench, QWidget* parent)
    : QWidget(parent)
    , m_bench(bench)
{
    setObjectName(QStringLiteral("FuenteAlimentacion"));
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const KnobRow& knob : knobs) {
        grid->addWidget(new QLabel(QString::fromUtf8(knob.label), this), row, 0);
        const auto addStep = [&](const char* name, const char* legend, BenchAction action, int column) {
            auto* button = new QPushButton(QString::fromUtf8(legend), this);
            button->setAccessibleName(QString::fromUtf8(name));
            button->setToolTip(QString::fromUtf8(name));
            button->setAutoDefault(false);
            button->setAutoRepeat(true);
            connect(button, &QPushButton::clicked, this, [this, action] { emit pressed(BenchKey::action(action)); });
            grid->addWidget(button, row, column);
        };
        addStep(knob.downName, "−", knob.down, 1);
        addStep(knob.upName, "+", knob.up, 2);
        ++row;
    }
    m_output = new QCheckBox(QStringLiteral("&Salida activada"), this);
    m_output->setObjectName(QStringLiteral("SalidaFuente"));
    connect(m_output, &QCheckBox::clicked, this, [this](bool on) {
        emit pressed(BenchKey::action(on ? BenchAction::SupplyOutputOn : BenchAction::SupplyOutputOff));
    });
    grid->addWidget(m_output, row++, 0, 1, 3);
    m_setting = new QLabel(this);
    m_setting->setObjectName(QStringLiteral("AjusteFuente"));
    grid->addWidget(m_setting, row++, 0, 1, 3);
    m_lamp = new QLabel(this);
    m_lamp->setObjectName(QStringLiteral("PilotoFuente"));
    grid->addWidget(m_lamp, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
    follow();
}

void SupplyControls::follow()
{
    const SupplySettings& supply = m_bench.supply();
    m_output->setChecked(supply.outputOn);
    m_setting->setText(QStringLiteral("Ajuste: %1 V, límite %2 A. Entrega %3 V y %4 A.")
                           .arg(number(supply.setPoint, 1), number(supply.currentLimit, 1),
                                number(m_bench.supplyVolts(), 2), number(m_bench.supplyAmps(), 3)));
    const bool limiting = supply.outputOn && m_bench.supplyLimiting();
    if (m_limitingShown == limiting)
        return;
    m_limitingShown = limiting;
    m_lamp->setText(limiting ? QStringLiteral("Piloto CC encendido: limita la corriente.")
                             : QStringLiteral("Piloto CV encendido: mantiene la tensión."));
    m_lamp->setStyleSheet(limiting ? QStringLiteral("color: #b00000; font-weight: bold;")
                                   : QStringLiteral("color: #006000; font-weight: bold;"));
}
