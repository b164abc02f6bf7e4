#include "ui/common/panel_rows.h"

#include "ui/common/translatable.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>

namespace kestrova {

QLabel* BoldLabel(QWidget* parent, const char* source)
{
    auto* label = new QLabel(parent);
    SetTranslatable(label, "text", source);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* AddPanelSection(QWidget* parent, QGridLayout* grid, const char* title)
{
    QLabel* label = BoldLabel(parent, title);
    const int row = grid->rowCount();
    if (row > 1)
        grid->setRowMinimumHeight(row, label->sizeHint().height() + 6);
    grid->addWidget(label, row, 0, 1, 2, Qt::AlignBottom);
    return label;
}

QLabel* AddPanelRow(QWidget* parent, QGridLayout* grid, const char* name, const char* title,
                    const char* toolTip, int lines)
{
    const int row = grid->rowCount();
    auto* titleLabel = new QLabel(parent);
    SetTranslatable(titleLabel, "text", title);
    auto* value = new QLabel(parent);
    value->setObjectName(QLatin1String(name));
    value->setWordWrap(true);
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (toolTip != nullptr) {
        SetTranslatable(titleLabel, "toolTip", toolTip);
        SetTranslatable(value, "toolTip", toolTip);
    }
    value->setMinimumHeight(lines * value->fontMetrics().lineSpacing());
    titleLabel->setBuddy(value);
    grid->addWidget(titleLabel, row, 0, Qt::AlignTop);
    grid->addWidget(value, row, 1, Qt::AlignTop);
    return value;
}

} // namespace kestrova
