// SPDX-License-Identifier: MIT
#pragma once

#include "qt/open_file_dialog.h"
#include "qt/pixels.h"
#include "window/controls.h"
#include "window/form.h"
#include "window/history.h"

#include <QWidget>
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

class QAction;
class QKeyEvent;
class QModelIndex;

namespace zifora {

class ChoiceList;
class GridView;

// The window "Zifora": its controls come from the table in controls.h; it shows the form and forwards the
// user's events to it. Of the form's state it keeps only three caches, each what a widget last showed, so
// that a render that changes nothing there touches nothing: the report box's text (setting it again would
// scroll it back to its start), the list's entries (an unchanged list keeps the user's highlighted entry) and
// each grid (repainting every cell for every event would cost more than the event).
class MainWindow : public QWidget {
public:
    // Asks for puzzle files through chooser, or with the desktop's open-file dialog when there is none.
    explicit MainWindow(Form1& form, FileChooser* chooser = nullptr, QWidget* parent = nullptr);

    // Shows the form in every widget, with the signals the window listens to blocked.
    void Render();
    // Loads the file as if the user had chosen it in the dialog, which opens on it next time.
    void LoadFile(const QString& path);
    // Loads the one file dropped or pasted; more than one at a time are refused.
    void OpenFiles(const QStringList& files);
    // Loads what the clipboard holds: the file a file manager copied, or text.
    void Paste();
    // Asks for a puzzle to be typed in, starting from the givens of the one on the board, and loads it.
    void TypeIn();
    // Puts the board on the clipboard.
    void Copy();
    // Whether the clipboard holds something to paste.
    bool CanPaste() const;
    // Prints the board with its bookkeeping, asking where with the print dialog.
    void Print();
    // Takes back the last step, or does again the step taken back last.
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    // A step larger or smaller, within the screen; back to the opening scale.
    void ZoomIn();
    void ZoomOut();
    void ZoomBack();
    bool CanZoomIn() const;
    bool CanZoomOut() const;
    bool Zoomed() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Lists the actions beyond the window's own controls.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The form takes the largest scale that fits and sits in the middle of the room left over.
    void resizeEvent(QResizeEvent* event) override;

private:
    // Opens at the largest scale the screen has room for.
    void OpenAtScale();
    // Zooms a step in (1) or out (-1), or back to the opening scale (0); the window grows or shrinks with it.
    void Zoom(int steps);
    // Lays out every control, line and font at the scale and shows the form anew.
    void ApplyScale(const PixelScale& scale);
    void ApplyStyle(const PixelScale& scale);
    void CreateControls();
    void CreateSeparatorLines();
    void DescribeControls();
    void SetTabOrder();
    void Connect(std::size_t index);
    // A file dropped anywhere on the window loads.
    void AcceptDrops();
    // The actions beyond the controls, each with its key.
    void CreateExtraActions();
    // Every event reaches the form between these two: the start keeps the form from before it, the end lets
    // the history take the event back and shows the form. (Called in turn rather than around a lambda: the
    // sanitizers' build miscompiled the lambdas that called the form's handlers.)
    struct EventStart {
        Form1 before;
        bool listHadFocus;
    };
    EventStart StartEvent() const;
    void EndEvent(EventStart start);
    // Shows the form after anything ran on it -- an event, an undo.
    void ShowForm(bool listHadFocus);
    // The keys of the board, the buttons, the list and the window: digits, Enter, Space, Escape, undo.
    void AcceptKeys();
    // Whether the key was the board's: the grid then never sees it.
    bool KeyOnFeld(const QKeyEvent& key);
    // Runs the form's handler for a click.
    void Click(const Control& control);
    void EnterCell(const Control& control, const QModelIndex& cell);
    void Choose(const Control& control, int index);
    // The widget of the named control; a name the table does not hold ends the program.
    QWidget& Widget(std::string_view name) const;

    Form1& m_form;
    History m_history;
    OpenFileDialog m_dialog;
    FileChooser& m_chooser;
    // The widget of each row of the table.
    std::array<QWidget*, kControlCount> m_widgets {};
    // Whatever the window listens to, blocked while it renders, so that no render is taken for the user.
    std::vector<QObject*> m_senders;
    // Holds the controls at the form's size, in the middle of the window.
    QWidget* m_canvas = nullptr;
    std::array<QWidget*, std::size(kSeparatorLines)> m_lines {};
    PixelScale m_scale;
    double m_openingScale = 1.0;
    // The style of every control while the scale is not 1; the window owns it.
    QStyle* m_style = nullptr;
    GridView* m_feld = nullptr;
    ChoiceList* m_wahl = nullptr;
    std::vector<QAction*> m_extraActions;
};

} // namespace zifora
