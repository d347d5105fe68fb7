// SPDX-License-Identifier: MIT
// From a real click on a control of the window to the window rendered and painted, on the fixed positions.
// The window runs offscreen; each iteration starts from a fresh copy of the position, painted outside the
// timed region, and the timed region ends when the window has painted what the click changed.
#include "positions.h"
#include "qt/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace {

using zifora::Form1;
using namespace zifora::bench;

// The window under test, with the form it shows and the answer its file dialog gives.
struct Ui {
    Form1 form;
    zifora::AnswerChooser chooser;
    zifora::MainWindow window {form, &chooser};

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

void ClickButton(Ui& ui, std::string_view name)
{
    QTest::mouseClick(ui.Control<QAbstractButton>(std::string(name).c_str()), Qt::LeftButton);
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

// The action's event made with the mouse: a click on the button, on the entered cell, on the list's first
// digit.
struct Click {
    Action action; // run on a copy of the form, to check that the click reached it
    std::function<void(Ui&)> click;
};

std::vector<Click> Clicks()
{
    std::vector<Click> clicks;
    for (const Action& action : Actions()) {
        const std::string_view name = action.control->name;
        if (std::holds_alternative<zifora::CellHandler>(action.control->handler)) {
            clicks.push_back({action, ClickCell});
        } else if (std::holds_alternative<zifora::EntryHandler>(action.control->handler)) {
            clicks.push_back({action, ClickFirstChoice});
        } else {
            clicks.push_back({action, [name](Ui& ui) { ClickButton(ui, name); }});
        }
    }
    return clicks;
}

// Puts the window at the click's starting state and paints it, as it would stand before the user clicks.
void Prepare(Ui& ui, const Form1& start, const Click& click)
{
    ui.form = start;
    click.action.prepare(ui.form);
    ui.window.Render();
    Paint();
}

// One untimed click, checked against the form model: a click that missed its control would time nothing.
bool ClickReachesForm(Ui& ui, const Form1& start, const Click& click)
{
    Form1 expected = start;
    click.action.prepare(expected);
    click.action.run(expected, ui.chooser);
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
            benchmark::RegisterBenchmark(
                (std::string(click.action.control->name) + "/" + position.name).c_str(),
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
