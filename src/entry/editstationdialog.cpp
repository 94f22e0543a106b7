// "登録データの編集": overwriting, extending or deleting one station.
#include "entry/editstationdialog.h"

#include "entry/datestep.h"
#include "record/appstate.h"
#include "record/eradate.h"
#include "record/registeraction.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kGone = QStringLiteral(
    u"このデータは登録データの中にもうありません（削除されたか、別のデータファイルが開かれま"
    u"した）。");

} // namespace

EditStationDialog::EditStationDialog(AppState& state, Prompter& prompter,
                                     MainWindowLink& mainWindow, QWidget* parent)
    : EntryWindow(editDesign(), state, prompter, mainWindow, parent) {
    extendButton = new QPushButton(QStringLiteral(u"免許期限日5年延長"), licenceFrame);
    extendButton->setObjectName(QStringLiteral("extendButton"));
    extendButton->setAutoDefault(false);
    place(extendButton, 3600, 1800, 2052, 312);
    overwriteButton = addButton("overwriteButton", u"上　書", 4200, 972);
    cancelButton = addButton("cancelButton", u"キャンセル", 5640, 1092);
    deleteButton = addButton("deleteButton", u"削　除", 7200, 1092);
    connect(overwriteButton, &QPushButton::clicked, this, [this] { overwrite(); });
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(extendButton, &QPushButton::clicked, this, &EditStationDialog::extendExpiry);
    connect(deleteButton, &QPushButton::clicked, this, [this] { deleteStation(); });
    loadRecord();
}

EditStationDialog::~EditStationDialog() = default;

void EditStationDialog::loadRecord() {
    const RecordStore& store = state_.store;
    const int index = store.CurrentIndex;
    if (index < 1 || index > store.Count()) {
        loadedId_ = 0;
        for (EntryBox* box : fieldBoxes)
            box->clear();
        showExpiry(QString());
        showStationType(QString());
        return;
    }
    loadedId_ = store.rowId(index);
    const StationRecord& record = store.record(index);
    for (int i = 0; i < entryform::kBoxCount; ++i)
        fieldBoxes[size_t(i)]->setText(record.trimmed(entryform::fieldOfBox(i)));
    showExpiry(FormatEraDate(record.expiry()));
    showStationType(record.trimmed(Field::StationType));
}

int EditStationDialog::loadedRow() const {
    return state_.store.rowOfId(loadedId_);
}

int EditStationDialog::rowToChange(const QString& refused) {
    const int row = loadedRow();
    if (row == 0)
        tell(kGone + refused);
    return row;
}

bool EditStationDialog::overwrite() {
    // A date still being typed is read first; a refused one stops here (it was said).
    if (!expiryDateDisplay->takeTyped())
        return false;
    const int row = rowToChange(QStringLiteral(u"上書きできません。"));
    if (row == 0)
        return false;
    const entryform::Texts texts = this->texts();
    if (const QString missing = entryform::missingFieldsMessage(texts, u"設置(常置)場所　");
        !missing.isEmpty()) {
        tell(missing);
        return false;
    }
    const QString stationType = trimSpaces(stationTypeBox->currentText());
    if (refuseUnsavable(texts, stationType))
        return false;

    RecordStore& store = state_.store;
    const QDate shown = ParseEraDate(expiryDateDisplay->text());
    store.WorkRecord = entryform::toRecord(texts, shown, stationType);
    // A stored date the calendar cannot show stays as it was rather than becoming another.
    if (!shown.isValid())
        store.WorkRecord.ExpiryDate = store.record(row).ExpiryDate;
    mainWindow_.beginRegisterChange(actionText(storeAction(store.record(row), store.WorkRecord),
                                               store.WorkRecord.trimmedView(Field::CallSign)));
    store.replace(row, store.WorkRecord);
    mainWindow_.commitRegisterChange();
    close();
    return true;
}

void EditStationDialog::extendExpiry() {
    if (!expiryDateDisplay->takeTyped())
        return;
    showExpiry(datestep::step(expiryDateDisplay->text(), datestep::Unit::Year, 5));
}

bool EditStationDialog::deleteStation() {
    const QString refused = QStringLiteral(u"削除できません。");
    if (rowToChange(refused) == 0)
        return false;
    if (tell(QStringLiteral(u"このデータを削除しますか？"), Prompter::Buttons::YesNo) ==
        Prompter::Answer::No)
        return false;
    // Looked up again: nothing else should run during the question, but nothing is assumed.
    const int row = rowToChange(refused);
    if (row == 0)
        return false;
    mainWindow_.deleteRecord(row);
    close();
    return true;
}
