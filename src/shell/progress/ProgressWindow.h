#pragma once

#include <QDialog>
#include <vector>

class BarChart;
class QLabel;
class QLineEdit;

// "Mi progreso": what the student has done in this run with each instrument, a small bar
// chart per instrument (questions answered and learned, "¿Dónde está…?", exercises
// met), and "&Guardar informe…", which writes it as a PDF where the student chooses,
// with the name typed here. One at a time, opened from any "Ayuda" menu; it blocks
// nothing, belongs to no instrument window and stays when that window is left. Its
// figures are read again each time it is shown or comes to the front.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // Opens it, or brings the open one to the front with its figures brought up to date.
    static ProgressWindow* showProgress();

protected:
    void reject() override; // "&Cerrar", Esc and the close box: the window goes
    void changeEvent(QEvent* event) override;

private:
    ProgressWindow();
    void refresh();
    void saveReport();
    // The file the student chooses in a file dialog; empty when they cancel.
    QString chooseFile();

    std::vector<BarChart*> m_charts;
    QLineEdit* m_name = nullptr;
    QLabel* m_status = nullptr;
};
