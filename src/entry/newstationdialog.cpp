#include "entry/newstationdialog.h"

#include "platform/clock.h"
#include "record/appstate.h"
#include "record/eradate.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

NewStationDialog::NewStationDialog(AppState& state, Prompter& prompter, const Clock& clock,
                                   MainWindowLink& mainWindow, QWidget* parent)
    : EntryWindow(newRegistrationDesign(), state, prompter, mainWindow, parent), clock_(clock) {
    setWindowModality(Qt::ApplicationModal);
    Command1 = addButton("Command1", u"登　録", 5280, 972);
    Command2 = addButton("Command2", u"キャンセル", 6720, 1092);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1Click(); });
    connect(Command2, &QPushButton::clicked, this, &NewStationDialog::Command2Click);
    ClearFields();
}

NewStationDialog::~NewStationDialog() = default;

void NewStationDialog::ClearFields() {
    for (EntryBox* box : Text1)
        box->clear();
    Combo1->setCurrentIndex(0);
    Label1->setText(FormatEraDate(clock_.today()));
    Text1[0]->setFocus();
}

bool NewStationDialog::Command1Click() {
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
    const QString stationType = Combo1->currentText();
    // Saving would silently turn such characters into '?'.
    if (const QString bad = entryform::unstorableMessage(texts, stationType); !bad.isEmpty()) {
        tell(bad);
        return false;
    }
    const QString dateText = Label1->text();
    QDate expiry = ParseEraDate(dateText);
    if (!expiry.isValid())
        expiry = clock_.today();

    store.WorkRecord = entryform::toRecord(texts, expiry, stationType);
    if (const Result appended = store.append(store.WorkRecord); !appended) {
        tell(appended.error);
        return false;
    }
    ClearFields();
    store.Modified = 1;
    return true;
}

void NewStationDialog::Command2Click() {
    close();
}
