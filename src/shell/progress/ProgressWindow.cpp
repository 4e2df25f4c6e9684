#include "ProgressWindow.h"

#include "ProgressFigures.h"
#include "ProgressReport.h"
#include "ProgressTexts.h"
#include "ReportFile.h"
#include "core/FormReference.h"
#include "core/LearningProgress.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "platform/MessageBoxes.h"
#include "platform/ModalLoops.h"
#include "platform/SpanishQtTexts.h"
#include "platform/WindowsFonts.h"
#include "widgets/BarChart.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
constexpr int TextWidth = 470; // the intro and the notes wrap at this width
}

ProgressWindow* ProgressWindow::showProgress()
{
    if (ProgressWindow* open = formReference<ProgressWindow>()) {
        open->refresh();
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    return Navigation::present(new ProgressWindow);
}

ProgressWindow::ProgressWindow()
{
    const ProgressTexts& texts = progressTexts();
    setObjectName(ObjectNames::progressWindow);
    setWindowTitle(texts.caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(WindowsFonts::pixels(QStringLiteral("MS Sans Serif"), 13));

    auto* layout = new QVBoxLayout(this);
    const auto paragraph = [this, layout](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        label->setFixedWidth(TextWidth);
        layout->addWidget(label);
        return label;
    };
    paragraph(texts.intro);

    const std::vector<InstrumentProgress> instruments = currentProgress();
    for (std::size_t i = 0; i < instruments.size(); ++i) {
        auto* heading = new QLabel(instruments[i].instrument, this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addSpacing(6);
        layout->addWidget(heading);
        auto* chart = new BarChart(this);
        chart->setObjectName(ObjectNames::progressChart(int(i) + 1));
        chart->setAccessibleName(instruments[i].instrument);
        layout->addWidget(chart);
        m_charts.push_back(chart);
    }
    layout->addSpacing(6);
    paragraph(texts.notes);

    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(texts.nameLabel, this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(ObjectNames::progressNameEdit);
    nameLabel->setBuddy(m_name);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);
    layout->addSpacing(6);
    layout->addLayout(nameRow);

    m_status = paragraph(QString());
    m_status->setObjectName(ObjectNames::progressStatusLabel);

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(texts.saveButton, this);
    save->setObjectName(ObjectNames::progressSaveButton);
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &ProgressWindow::saveReport);
    auto* close = new QPushButton(texts.closeButton, this);
    close->setObjectName(ObjectNames::progressCloseButton);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &ProgressWindow::reject);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    refresh();
    m_name->setFocus();
}

void ProgressWindow::refresh()
{
    const std::vector<InstrumentProgress> instruments = currentProgress();
    for (std::size_t i = 0; i < m_charts.size() && i < instruments.size(); ++i)
        m_charts[i]->setBars(instruments[i].bars);
}

void ProgressWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refresh();
}

QString ProgressWindow::chooseFile()
{
    const ProgressTexts& texts = progressTexts();
    const SpanishQtTexts spanish; // Qt's own dialog speaks Spanish while it is up
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString suggested = texts.suggestedFile.arg(m_name->text().trimmed());
    suggested.replace(QLatin1Char('/'), QLatin1Char('-'));
    QFileDialog dialog(this, texts.dialogCaption, QDir(folder).filePath(suggested), texts.fileFilter);
    // Qt's own dialog on every desktop, so that it reads the same everywhere and tests can
    // drive it. Its widgets, made now, name the dialog, so it is named after them.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setObjectName(ObjectNames::reportFileDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (ModalLoops::run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void ProgressWindow::saveReport()
{
    const ProgressTexts& texts = progressTexts();
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        m_status->setText(texts.nameMissing);
        m_name->setFocus();
        return;
    }
    refresh();
    const QString path = chooseFile();
    if (path.isEmpty())
        return;
    const QString failure = writeReportFile(
        path, reportPdf({name, QDate::currentDate(), currentProgress(), learningProgress().oscilloscope()}));
    if (!failure.isEmpty()) {
        m_status->clear();
        MessageBoxes::show(this, texts.failureCaption, texts.failure.arg(QDir::toNativeSeparators(path), failure),
                           MessageBoxes::Icon::Error);
        return;
    }
    // A long path may break after any of its separators.
    const QString separator = QDir::separator();
    m_status->setText(texts.saved.arg(QDir::toNativeSeparators(path).replace(separator, separator + QChar(0x200b))));
}

void ProgressWindow::reject()
{
    hide();
    Navigation::release(this);
}
