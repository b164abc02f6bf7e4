#pragma once

/// \file
/// "Importer une mesure…": the table read from the file in a preview, where
/// the user picks the time column and what was measured (an angle in
/// degrees or radians, the bob's positions around the pivot, or a
/// gyroscope's angular speed); the dialog proposes a pick and says at once
/// what the pick gives, or why it gives nothing.

#include "model/measured_series.h"
#include "model/measurement_archive.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kestrova {

/// The file at `path` read as a measurement; a refusal (French, translated)
/// in `error` when it cannot be.
[[nodiscard]] ArchiveReading ReadMeasurementPath(const QString& path, QString& error);

/// A model refusal in the interface language, `number` in place of "%1".
[[nodiscard]] QString RefusalText(const char* refusal, std::size_t number);

class MeasurementImportDialog : public QDialog {
    Q_OBJECT

public:
    MeasurementImportDialog(const QString& fileName, ArchiveReading reading, QWidget* parent);

    /// The series of the current pick (empty when it gives none).
    [[nodiscard]] const MeasuredSeries& Series() const { return series_; }
    [[nodiscard]] SeriesPick Pick() const;
    void SetPick(const SeriesPick& pick);

private:
    void FillPreview();
    void Update();

    ArchiveReading reading_;
    MeasuredSeries series_;
    QTableWidget* preview_ = nullptr;
    QComboBox* time_ = nullptr;
    QComboBox* quantity_ = nullptr;
    QComboBox* column_ = nullptr;
    QComboBox* yColumn_ = nullptr;
    QDoubleSpinBox* pivotX_ = nullptr;
    QDoubleSpinBox* pivotY_ = nullptr;
    QLabel* yLabel_ = nullptr;
    QLabel* pivotLabel_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace kestrova
