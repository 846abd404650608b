#pragma once

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

#include "controls/ComboBox.h"

// The row "<caption> [n] days" under both online dialogs: a check box that is
// on at the start, and an editable list of 1 to 60 days showing the default.
struct ReminderRow {
    QCheckBox* check = nullptr;
    quill::ComboBox* days = nullptr;
    QLabel* label = nullptr;
    QHBoxLayout* layout = nullptr;

    ReminderRow(QWidget* parent, const char* checkName, const QString& caption, int defaultDays) {
        check = new QCheckBox(caption, parent);
        check->setObjectName(checkName);
        check->setChecked(true);
        days = new quill::ComboBox(parent, true);
        days->setObjectName("cboNumDays");
        QStringList counts;
        for (int day = 1; day <= 60; ++day) counts << QString::number(day);
        days->SetItems(counts);
        days->SetText(QString::number(defaultDays));
        days->setMinimumContentsLength(3);
        label = new QLabel("days", parent);
        layout = new QHBoxLayout;
        layout->addWidget(check);
        layout->addWidget(days);
        layout->addWidget(label);
        layout->addStretch(1);
    }
};
