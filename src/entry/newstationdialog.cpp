// "新規登録": entering new stations one after another.
#include "entry/newstationdialog.h"

#include "platform/clock.h"
#include "record/appstate.h"
#include "record/eradate.h"
#include "record/registeraction.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

NewStationDialog::NewStationDialog(AppState& state, Prompter& prompter, const Clock& clock,
                                   MainWindowLink& mainWindow, QWidget* parent)
    : EntryWindow(newRegistrationDesign(), state, prompter, mainWindow, parent), clock_(clock) {
    setWindowModality(Qt::ApplicationModal);
    registerButton = addButton("registerButton", u"登　録", 5280, 972);
    cancelButton = addButton("cancelButton", u"キャンセル", 6720, 1092);
    connect(registerButton, &QPushButton::clicked, this, [this] { registerStation(); });
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);
    clearFields();
}

NewStationDialog::~NewStationDialog() = default;

void NewStationDialog::clearFields() {
    for (EntryBox* box : fieldBoxes)
        box->clear();
    stationTypeBox->setCurrentIndex(0);
    showExpiry(FormatEraDate(clock_.today()));
    fieldBoxes[0]->setFocus();
}

bool NewStationDialog::registerStation() {
    // A date still being typed is read first; a refused one stops here (it was said).
    if (!expiryDateDisplay->takeTyped())
        return false;
    const entryform::Texts texts = this->texts();
    if (const QString missing = entryform::missingFieldsMessage(texts, u"設置(常置)場所1");
        !missing.isEmpty()) {
        tell(missing);
        return false;
    }
    RecordStore& store = state_.store;
    // The register counts its records in 16 bits; one more would overflow.
    if (store.isFull()) {
        tell(RecordStore::fullMessage());
        return false;
    }
    const QString stationType = stationTypeBox->currentText();
    if (refuseUnsavable(texts, stationType))
        return false;
    const QString dateText = expiryDateDisplay->text();
    QDate expiry = ParseEraDate(dateText);
    if (!expiry.isValid())
        expiry = clock_.today();

    store.WorkRecord = entryform::toRecord(texts, expiry, stationType);
    mainWindow_.beginRegisterChange(
        actionText(RegisterAction::NewStation, store.WorkRecord.trimmedView(Field::CallSign)));
    const Result appended = store.append(store.WorkRecord);
    mainWindow_.commitRegisterChange();
    if (!appended) {
        tell(appended.error);
        return false;
    }
    clearFields();
    return true;
}
