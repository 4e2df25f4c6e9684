#include "AboutBox.h"

#include "AboutCredits.h"
#include "core/ObjectNames.h"
#include "platform/ModalLoops.h"
#include "platform/Pictures.h"
#include "platform/WindowsFonts.h"
#include "widgets/Decorative.h"

#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// Lettering drawn twice, a white copy one pixel right and below and the black copy over
// it, so that it reads as engraved. Returns the two copies, the black one last.
QList<QLabel*> addEngraved(QWidget* parent, const QString& text, QPoint blackAt, QSize size, const QFont& font,
                           const QString& name)
{
    QList<QLabel*> copies;
    for (const bool black : {false, true}) {
        auto* label = new QLabel(text, parent);
        if (!black)
            Decorative::mark(label); // a screen reader reads the name once
        label->setObjectName(name + (black ? QStringLiteral("Negro") : QStringLiteral("Blanco")));
        label->setFont(font);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setStyleSheet(black ? QStringLiteral("color: black; background: transparent;")
                                   : QStringLiteral("color: white; background: transparent;"));
        const QPoint at = black ? blackAt : blackAt + QPoint(1, 1);
        if (size.isValid())
            label->setGeometry(QRect(at, size));
        else {
            label->move(at);
            label->adjustSize();
        }
        copies.append(label);
    }
    return copies;
}

// Centres a label's text on the vertical line at `x` of its parent, leaving the label
// where it is: the label's box need not be centred, nor its text as wide as the box.
void centreTextOn(QLabel* label, int x)
{
    const int offCentre = 2 * x - (2 * label->x() + label->width());
    label->setContentsMargins(std::max(offCentre, 0), 0, std::max(-offCentre, 0), 0);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

// Where the credits' captions and names start.
constexpr int CaptionsLeft = 88;
constexpr int NamesLeft = 136;

} // namespace

AboutBox::AboutBox()
{
    setObjectName(ObjectNames::aboutBox);
    setWindowTitle(QStringLiteral("Acerca de Trivane..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFont(WindowsFonts::pixels(QStringLiteral("System"), 13));
    setFixedSize(411, 211);
    move(219, 145);
    setModal(true);
}

void AboutBox::setVisible(bool visible)
{
    if (visible)
        buildContents();
    QDialog::setVisible(visible);
}

void AboutBox::buildContents()
{
    if (m_built)
        return;
    m_built = true;
    const QFont title = WindowsFonts::pixels(QStringLiteral("MS Sans Serif"), 24, true);
    // The title's box lies left of the centre, and its lettering is narrower than the box:
    // the lettering is centred on the box (the white copy one pixel right, as always).
    const QList<QLabel*> titleCopies =
        addEngraved(this, QStringLiteral("TRIVANE 1.0"), {113, 20}, {160, 29}, title, QStringLiteral("Titulo"));
    for (QLabel* copy : titleCopies)
        centreTextOn(copy, width() / 2 + (copy == titleCopies.first() ? 1 : 0));

    for (const QPoint at : {QPoint(4, 5), QPoint(360, 5)}) {
        auto* emblem = new QLabel(this);
        Decorative::mark(emblem); // an ornament either side of the title
        emblem->setPixmap(Pictures::get(QStringLiteral("about/emblem"), {45, 44}));
        emblem->setGeometry(QRect(at, QSize(45, 44)));
    }

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(57, 57, 293, 113);

    auto* autor = new QLabel(QStringLiteral("Autor: "), this);
    autor->move(CaptionsLeft, 70);
    // The two captions start on one line, and the three names on another.
    auto* coordinado = new QLabel(QStringLiteral("Coordinado por:"), this);
    coordinado->move(CaptionsLeft, 105);

    const AboutCredits& credits = aboutCredits();
    const QFont names = WindowsFonts::pixels(QStringLiteral("Times New Roman"), 15, true);
    addEngraved(this, credits.author, {NamesLeft, 69}, {}, names, QStringLiteral("Autor"));
    addEngraved(this, credits.coordinators[0], {NamesLeft, 126}, {}, names, QStringLiteral("Coordinador1"));
    addEngraved(this, credits.coordinators[1], {NamesLeft, 146}, {}, names, QStringLiteral("Coordinador2"));

    auto* aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    aceptar->setObjectName(ObjectNames::aboutAcceptButton);
    aceptar->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 15));
    aceptar->setGeometry(170, 178, 71, 26);
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::showModally()
{
    ModalLoops::run(*this);
}
