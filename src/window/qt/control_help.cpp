// SPDX-License-Identifier: MIT
#include "window/qt/control_help.h"

#include <QLabel>
#include <QWidget>

namespace zifora {
namespace {

enum class Tooltip : bool { None, FromDescription };

struct ControlHelp {
    const char* control;
    // Starts with the control's caption, so that what a screen reader says matches what a sighted user sees.
    const char* name;
    const char* description;
    Tooltip tooltip;
};

// clang-format off
constexpr ControlHelp kHelp[] = {
    {"Los", "Datei: Rätsel laden",
        "Öffnet eine Rätseldatei und zeigt ihre Ziffern und die möglichen Ziffern jeder offenen Zelle.",
        Tooltip::FromDescription},
    {"Zellen", "Zellen: mögliche Ziffern neu berechnen",
        "Berechnet die möglichen Ziffern jeder offenen Zelle neu und setzt die Zellen, denen nur eine bleibt.",
        Tooltip::FromDescription},
    {"Einzelne", "Einzeln: einzige Stellen setzen",
        "Setzt die Ziffern, die in einer Zeile, Spalte oder einem Block nur in eine Zelle passen.",
        Tooltip::FromDescription},
    {"D2er", "Dop2er: Paare streichen",
        "Streicht die Ziffern zweier Zellen mit denselben zwei möglichen Ziffern aus den übrigen Zellen ihrer "
        "Zeile, Spalte oder ihres Blocks.",
        Tooltip::FromDescription},
    {"Testen", "Test: Rätsel prüfen",
        "Listet die leeren Zellen und die Zeilen, Spalten und Blöcke, in denen eine Ziffer doppelt steht.",
        Tooltip::FromDescription},
    {"Check1", "Testbetrieb",
        "Schaltet den Testbetrieb ein oder aus, in dem Sie Ziffern versuchsweise aus der Liste einer Zelle setzen.",
        Tooltip::FromDescription},
    {"Reset", "Reset: Versuche verwerfen",
        "Verwirft die im Testbetrieb gesetzten Ziffern und berechnet die möglichen Ziffern aller offenen Zellen "
        "neu.",
        Tooltip::FromDescription},
    {"TestOK", "Ubernahme: Versuche übernehmen",
        "Übernimmt die im Testbetrieb gesetzten Ziffern endgültig.",
        Tooltip::FromDescription},
    {"Feld", "Spielfeld",
        "Die 81 Zellen mit den gesetzten Ziffern und den möglichen Ziffern jeder offenen Zelle; Kopfzeile und "
        "Kopfspalte zeigen die fehlenden Ziffern jeder Spalte und Zeile. Pfeiltasten wählen eine Zelle, im "
        "Testbetrieb führt die Eingabetaste in die Liste der Ziffern.",
        Tooltip::None},
    {"Gruppe", "Blöcke",
        "Die fehlenden Ziffern jedes der neun 3×3-Blöcke.",
        Tooltip::None},
    {"wahl", "Ziffernwahl",
        "Die möglichen Ziffern der gewählten Zelle: die Eingabetaste setzt die markierte Ziffer, die leere Zeile "
        "schließt die Liste, Escape führt zurück ins Spielfeld.",
        Tooltip::None},
    {"Text1", "Prüfbericht",
        "Das Ergebnis von „Test“: leere Zellen und Zeilen, Spalten oder Blöcke mit doppelter Ziffer, sonst „Keine "
        "Fehler!“.",
        Tooltip::None},
    {"Text2", "Rätseldatei",
        "Der Pfad der zuletzt geöffneten Rätseldatei.",
        Tooltip::None},
    {"Label1", "Test Betrieb:",
        "Beschriftet das Kästchen für den Testbetrieb rechts daneben.",
        Tooltip::None},
    // Named anew after its caption at every render.
    {"Label2", nullptr,
        "Die Zahl der gesetzten Zellen, „OK“ wenn alle 81 gesetzt sind.",
        Tooltip::None},
};
// clang-format on

} // namespace

void DescribeControls(QWidget& window)
{
    for (const ControlHelp& help : kHelp) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(help.control));
        if (control == nullptr) {
            continue;
        }
        if (help.name != nullptr) {
            control->setAccessibleName(QString::fromUtf8(help.name));
        }
        control->setAccessibleDescription(QString::fromUtf8(help.description));
        if (help.tooltip == Tooltip::FromDescription) {
            control->setToolTip(QString::fromUtf8(help.description));
        }
    }
    // The label names the check box, whose own caption the layout cuts off.
    auto* label1 = window.findChild<QLabel*>(QStringLiteral("Label1"));
    auto* check1 = window.findChild<QWidget*>(QStringLiteral("Check1"));
    if (label1 != nullptr && check1 != nullptr) {
        label1->setBuddy(check1);
    }
}

QString Label2AccessibleName(const QString& caption)
{
    return QStringLiteral("Gesetzte Zellen: ") + caption;
}

} // namespace zifora
