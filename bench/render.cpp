// SPDX-License-Identifier: MIT
// From a real click on a control of the window to the window rendered and painted, on the fixed positions.
// The window runs offscreen; each iteration starts from a fresh copy of the position, painted outside the
// timed region, and the timed region ends when the window has painted what the click changed.
#include "positions.h"
#include "window/qt/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using zifora::Form1;
using namespace zifora::bench;

// The window under test, with the form it shows and the answer its file dialog gives.
struct Ui {
    Form1 form;
    zifora::AnswerChooser chooser;
    zifora::MainWindow window {form, chooser};

    template <typename Widget> Widget* Control(const char* name) const
    {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        Q_ASSERT(widget != nullptr);
        return widget;
    }
};

// Paints now what the last event left to paint: the update request it posted repaints every widget it
// changed and flushes the window. (A repaint() of the window itself would paint only the window's own
// background; its children's pictures count as still valid.)
void Paint()
{
    QCoreApplication::processEvents();
}

void ClickButton(Ui& ui, const char* name)
{
    QTest::mouseClick(ui.Control<QAbstractButton>(name), Qt::LeftButton);
}

void ClickCell(Ui& ui)
{
    auto* feld = ui.Control<QTableWidget>("Feld");
    const zifora::CellRef cell = EnteredCell(ui.form);
    const QPoint centre = feld->visualRect(feld->model()->index(cell.row, cell.column)).center();
    QTest::mouseClick(feld->viewport(), Qt::LeftButton, {}, centre);
}

void ClickFirstChoice(Ui& ui)
{
    auto* wahl = ui.Control<QListWidget>("wahl");
    QTest::mouseClick(wahl->viewport(), Qt::LeftButton, {}, wahl->visualItemRect(wahl->item(1)).center());
}

struct Click {
    const char* name;
    std::function<void(Form1&)> prepare;
    // What the click must do to the form, run on a copy to check that the click reached it.
    std::function<void(Form1&, zifora::AnswerChooser&)> expected;
    std::function<void(Ui&)> click;
};

std::vector<Click> Clicks()
{
    const auto nothing = [](Form1&) {};
    const auto button = [](const char* name) { return [name](Ui& ui) { ClickButton(ui, name); }; };
    return {
        {"Datei", nothing, [](Form1& form, zifora::AnswerChooser& chooser) { form.Los_Click(chooser); },
            button("Los")},
        {"Zellen", nothing, [](Form1& form, zifora::AnswerChooser&) { form.Zellen_Click(); },
            button("Zellen")},
        {"Einzeln", nothing, [](Form1& form, zifora::AnswerChooser&) { form.Einzelne_Click(); },
            button("Einzelne")},
        {"Dop2er", nothing, [](Form1& form, zifora::AnswerChooser&) { form.D2er_Click(); }, button("D2er")},
        {"Test", nothing, [](Form1& form, zifora::AnswerChooser&) { form.Testen_Click(); }, button("Testen")},
        {"Check1", nothing, [](Form1& form, zifora::AnswerChooser&) { form.Check1_Click(); },
            button("Check1")},
        {"Ubernahme", TrialOn, [](Form1& form, zifora::AnswerChooser&) { form.TestOK_Click(); },
            button("TestOK")},
        {"Reset", TrialOn, [](Form1& form, zifora::AnswerChooser&) { form.Reset_Click(); }, button("Reset")},
        {"Cell", AwayInTrialMode,
            [](Form1& form, zifora::AnswerChooser&) {
                const zifora::CellRef cell = EnteredCell(form);
                form.Feld_EnterCell(cell.row, cell.column);
            },
            ClickCell},
        {"Choice", ListShown, [](Form1& form, zifora::AnswerChooser&) { form.wahl_Click(1); },
            ClickFirstChoice},
    };
}

// Puts the window at the click's starting state and paints it, as it would stand before the user clicks.
void Prepare(Ui& ui, const Form1& start, const Click& click)
{
    ui.form = start;
    click.prepare(ui.form);
    ui.window.Render();
    Paint();
}

// One untimed click, checked against the form model: a click that missed its control would time nothing.
bool ClickReachesForm(Ui& ui, const Form1& start, const Click& click)
{
    Form1 expected = start;
    click.prepare(expected);
    click.expected(expected, ui.chooser);
    Prepare(ui, start, click);
    click.click(ui);
    return ui.form.State() == expected.State();
}

void RunClick(benchmark::State& state, Ui& ui, const Position& position, const Click& click)
{
    const Form1 start = position.make();
    ui.chooser.SetAnswer(PositionPath(position.file));
    if (!ClickReachesForm(ui, start, click)) {
        state.SkipWithError("the click did not reach the form");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        Prepare(ui, start, click);
        state.ResumeTiming();
        click.click(ui);
        Paint();
    }
}

void RegisterAll(Ui& ui)
{
    for (const Position& position : Positions()) {
        for (const Click& click : Clicks()) {
            benchmark::RegisterBenchmark((std::string(click.name) + "/" + position.name).c_str(),
                [&ui, &position, click](benchmark::State& state) { RunClick(state, ui, position, click); });
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    auto ui = std::make_unique<Ui>();
    ui->window.show();
    if (!QTest::qWaitForWindowExposed(&ui->window)) {
        return 1;
    }
    RegisterAll(*ui);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
