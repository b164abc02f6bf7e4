#include "app/measurement_import_dialog.h"

#include "ui/common/display_locale.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace kestrova {
namespace {

/// Rows shown in the preview: enough to recognise the columns.
constexpr int kPreviewRows = 200;

QString ColumnTitle(const MeasurementTable& table, std::size_t c)
{
    QString name = QString::fromStdString(table.names[c]);
    if (name.isEmpty())
        name = MeasurementImportDialog::tr("Colonne %1").arg(c + 1);
    if (!table.units[c].empty())
        name += QStringLiteral(" (%1)").arg(QString::fromStdString(table.units[c]));
    return name;
}

} // namespace

QString RefusalText(const char* refusal, std::size_t number)
{
    QString text = QCoreApplication::translate(kMeasurementContext, refusal);
    if (text.contains(QLatin1String("%1")))
        text = text.arg(number);
    return text;
}

ArchiveReading ReadMeasurementPath(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = MeasurementImportDialog::tr("Impossible de lire le fichier « %1 » : %2")
                    .arg(QFileInfo(path).fileName(), file.errorString());
        return {};
    }
    // Too large to be a table: refused before anything is read.
    if (file.size() > static_cast<qint64>(kMeasurementMaxBytes)) {
        ArchiveReading reading = ReadMeasurementFile(std::string(kMeasurementMaxBytes + 1, ' '));
        error = RefusalText(reading.reading.refusal, 0);
        return reading;
    }
    const QByteArray bytes = file.readAll();
    ArchiveReading reading = ReadMeasurementFile(std::string_view(bytes.constData(), bytes.size()));
    if (!reading.reading.Ok())
        error = RefusalText(reading.reading.refusal, reading.reading.line);
    return reading;
}

MeasurementImportDialog::MeasurementImportDialog(const QString& fileName, ArchiveReading reading,
                                                 QWidget* parent)
    : QDialog(parent)
    , reading_(std::move(reading))
{
    setWindowTitle(tr("Importer une mesure : %1").arg(fileName));
    preview_ = new QTableWidget(this);
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->verticalHeader()->setVisible(false);
    time_ = new QComboBox(this);
    quantity_ = new QComboBox(this);
    quantity_->addItems({tr("Angle en degrés"), tr("Angle en radians"),
                         tr("Positions x et y de la masse"),
                         tr("Vitesse angulaire (gyroscope, rad/s)")});
    column_ = new QComboBox(this);
    yColumn_ = new QComboBox(this);
    for (std::size_t c = 0; c < reading_.reading.table.columns.size(); ++c) {
        const QString title = ColumnTitle(reading_.reading.table, c);
        time_->addItem(title);
        column_->addItem(title);
        yColumn_->addItem(title);
    }
    pivotX_ = new QDoubleSpinBox(this);
    pivotY_ = new QDoubleSpinBox(this);
    for (QDoubleSpinBox* box : {pivotX_, pivotY_}) {
        box->setRange(-1e6, 1e6);
        box->setDecimals(4);
    }
    auto* pivot = new QHBoxLayout;
    pivot->addWidget(pivotX_);
    pivot->addWidget(pivotY_);
    auto* form = new QFormLayout;
    form->addRow(tr("Temps :"), time_);
    form->addRow(tr("Grandeur mesurée :"), quantity_);
    form->addRow(tr("Colonne :"), column_);
    yLabel_ = new QLabel(tr("Colonne y :"), this);
    form->addRow(yLabel_, yColumn_);
    pivotLabel_ = new QLabel(tr("Position du point de suspension (x, y) :"), this);
    form->addRow(pivotLabel_, pivot);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(tr("Importer"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(preview_, 1);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    resize(640, 520);

    FillPreview();
    SetPick(ProposedPick(reading_.reading.table));
    for (QComboBox* box : {time_, quantity_, column_, yColumn_})
        connect(box, &QComboBox::currentIndexChanged, this, &MeasurementImportDialog::Update);
    for (QDoubleSpinBox* box : {pivotX_, pivotY_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &MeasurementImportDialog::Update);
}

void MeasurementImportDialog::FillPreview()
{
    const MeasurementTable& table = reading_.reading.table;
    const int rows = static_cast<int>(std::min<std::size_t>(table.RowCount(), kPreviewRows));
    preview_->setColumnCount(static_cast<int>(table.columns.size()));
    preview_->setRowCount(rows);
    QStringList titles;
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        titles << ColumnTitle(table, c);
    preview_->setHorizontalHeaderLabels(titles);
    preview_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const QLocale locale = DisplayLocale();
    for (int r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const double v = table.columns[c][static_cast<std::size_t>(r)];
            preview_->setItem(
                r, static_cast<int>(c),
                new QTableWidgetItem(std::isnan(v) ? QString() : locale.toString(v, 'g', 7)));
        }
}

SeriesPick MeasurementImportDialog::Pick() const
{
    SeriesPick pick;
    pick.timeColumn = static_cast<std::size_t>(std::max(0, time_->currentIndex()));
    pick.quantity = static_cast<MeasuredQuantity>(std::max(0, quantity_->currentIndex()));
    pick.column = static_cast<std::size_t>(std::max(0, column_->currentIndex()));
    pick.yColumn = static_cast<std::size_t>(std::max(0, yColumn_->currentIndex()));
    pick.pivotX = pivotX_->value();
    pick.pivotY = pivotY_->value();
    return pick;
}

void MeasurementImportDialog::SetPick(const SeriesPick& pick)
{
    const QSignalBlocker blocks[] = {QSignalBlocker(time_),   QSignalBlocker(quantity_),
                                     QSignalBlocker(column_), QSignalBlocker(yColumn_),
                                     QSignalBlocker(pivotX_), QSignalBlocker(pivotY_)};
    time_->setCurrentIndex(static_cast<int>(pick.timeColumn));
    quantity_->setCurrentIndex(static_cast<int>(pick.quantity));
    column_->setCurrentIndex(static_cast<int>(pick.column));
    yColumn_->setCurrentIndex(static_cast<int>(pick.yColumn));
    pivotX_->setValue(pick.pivotX);
    pivotY_->setValue(pick.pivotY);
    Update();
}

void MeasurementImportDialog::Update()
{
    const bool positions =
        quantity_->currentIndex() == static_cast<int>(MeasuredQuantity::Positions);
    for (QWidget* w : {static_cast<QWidget*>(yLabel_), static_cast<QWidget*>(yColumn_),
                       static_cast<QWidget*>(pivotLabel_), static_cast<QWidget*>(pivotX_),
                       static_cast<QWidget*>(pivotY_)})
        w->setVisible(positions);
    const SeriesReading reading = MakeSeries(reading_.reading.table, Pick(), reading_.pauses);
    series_ = reading.series;
    ok_->setEnabled(reading.Ok());
    if (!reading.Ok()) {
        status_->setText(RefusalText(reading.refusal, reading.row));
        return;
    }
    const QLocale locale = DisplayLocale();
    QString text = tr("%n mesures de %1 s à %2 s", nullptr, static_cast<int>(series_.time.size()))
                       .arg(locale.toString(series_.time.front(), 'f', 2),
                            locale.toString(series_.time.back(), 'f', 2));
    if (!series_.pauses.empty())
        text += QLatin1Char(' ')
            + tr("(pauses dans l'enregistrement : %n)", nullptr,
                 static_cast<int>(series_.pauses.size()));
    status_->setText(text);
}

} // namespace kestrova
