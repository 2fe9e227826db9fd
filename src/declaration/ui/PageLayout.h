#pragma once

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QList>
#include <QPair>
#include <QScrollArea>
#include <QString>
#include <QVBoxLayout>

// Small pieces the pages of the declaration window are made of.
namespace zem::page {

inline const QList<QPair<QString, QString>> kYesNo = {{QStringLiteral("1"), QStringLiteral("Sí")},
                                                      {QStringLiteral("0"), QStringLiteral("No")}};

// A page of a tab: its sections one below the other.
inline QVBoxLayout* pageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    return layout;
}

// The page scrolled when the window is small.
inline QWidget* scrolled(QWidget* page, const QString& name = {}) {
    auto* area = new QScrollArea;
    area->setObjectName(name);
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

// A column heading.
inline QLabel* header(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// A question with its answers on one line.
inline QWidget* question(const QString& text, QWidget* answers, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(text, row);
    label->setWordWrap(true);
    layout->addWidget(label, 1);
    layout->addWidget(answers);
    return row;
}

}  // namespace zem::page
