#pragma once

#include <QString>

// Every text of "Mi progreso" and of the report it saves.
struct ProgressTexts {
    // The window.
    QString caption;
    QString intro;
    QString notes; // what "aprendida" and "conseguido" mean
    QString nameLabel;
    QString saveButton;
    QString closeButton;
    QString nameMissing;
    QString saved; // %1: the file

    // The file dialog.
    QString dialogCaption;
    QString fileFilter;
    QString suggestedFile; // %1: the student's name

    // A save that failed: %1 the file, %2 why.
    QString failureCaption;
    QString failure;
    QString cannotCreate;
    QString cannotWrite;

    // The report.
    QString reportTitle;
    QString reportName; // %1
    QString reportDate; // %1
    QString dateFormat;
    QString scopeHeading;
    QString noScope;
};

const ProgressTexts& progressTexts();
