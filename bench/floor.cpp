// SPDX-License-Identifier: MIT
// The floor: the least a Qt Widgets window of Zifora's kind costs to start and to keep. A 10 x 10 and a 3 x 3
// table, a few buttons, a list and two text boxes, placed by hand at about Zifora's size, with no behaviour.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

namespace {

QTableWidget* Table(QWidget* window, int size, const QRect& bounds)
{
    auto* table = new QTableWidget(size, size, window);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setGeometry(bounds);
    return table;
}

void AddButtons(QWidget* window)
{
    const struct {
        const char* caption;
        QRect bounds;
    } buttons[] = {{"Datei", {8, 8, 41, 17}}, {"Test", {216, 8, 41, 17}}, {"Reset", {536, 8, 49, 17}},
        {"Ubernahme", {592, 8, 65, 17}}, {"Zellen", {8, 32, 57, 17}}, {"Einzeln", {8, 56, 57, 17}},
        {"Dop2er", {8, 80, 57, 17}}};
    for (const auto& button : buttons) {
        (new QPushButton(button.caption, window))->setGeometry(button.bounds);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Floor");
    window.resize(660, 272);
    AddButtons(&window);
    Table(&window, 10, QRect(8, 96, 645, 165));
    Table(&window, 3, QRect(72, 32, 581, 65));
    auto* line = new QLineEdit(&window);
    line->setGeometry(56, 8, 121, 19);
    auto* text = new QPlainTextEdit("Text", &window);
    text->setGeometry(272, 0, 169, 25);
    auto* list = new QListWidget(&window);
    list->addItems({"1", "2", "3"});
    list->setGeometry(460, 0, 17, 56);
    window.show();
    return application.exec();
}
