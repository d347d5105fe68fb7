// SPDX-License-Identifier: MIT
#pragma once

#include "window/form.h"
#include "window/qt/open_file_dialog.h"

#include <QWidget>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;

namespace zifora {

class ChoiceList;
class GridView;

// The window "Zifora": shows the form and forwards the user's events to it. It keeps no state of its own:
// after every forwarded event it renders the whole form into its widgets.
class MainWindow : public QWidget {
public:
    // Asks for puzzle files with the desktop's open-file dialog.
    explicit MainWindow(Form1& form, QWidget* parent = nullptr);
    MainWindow(Form1& form, FileChooser& chooser, QWidget* parent = nullptr);

    // Shows the form in every widget, with the widgets' signals blocked.
    void Render();
    // Loads the file as if the user had chosen it in the dialog, which opens on it next time.
    void LoadFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Without a chooser, the window's own open-file dialog answers.
    MainWindow(Form1& form, FileChooser* chooser, QWidget* parent);
    void CreateControls();
    void CreateSeparatorLines();
    void SetTabOrder();
    void Connect();
    // A file dropped anywhere on the window loads; the paste and copy keys reach the clipboard.
    void AcceptFilesAndClipboard();
    // Runs the form's handler for a click, then shows the form.
    void Forward(void (Form1::*handler)());
    void EnterCell(const QModelIndex& cell);
    void RenderButtons(const FormState& state);
    void RenderTexts(const FormState& state);
    void RenderLabel2(const Label& label);

    Form1& m_form;
    OpenFileDialog m_dialog;
    FileChooser& m_chooser;
    std::string m_shownText1;

    QPushButton* m_los = nullptr;
    QLineEdit* m_text2 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_testen = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
    QLabel* m_label1 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_testOK = nullptr;
    QPushButton* m_zellen = nullptr;
    QPushButton* m_einzelne = nullptr;
    QPushButton* m_d2er = nullptr;
    GridView* m_gruppe = nullptr;
    GridView* m_feld = nullptr;
    ChoiceList* m_wahl = nullptr;
};

} // namespace zifora
