#pragma once

#include "record/recordstore.h"
#include "record/renewalwindow.h"
#include "record/searchtext.h"

#include <QDate>
#include <QSortFilterProxyModel>
#include <QString>
#include <QStringMatcher>
#include <vector>

class RecordGridModel;

// Finds stations in the record grid: stands between the grid's model and the view and hides
// the rows that do not match, without touching the register, its order or its numbers.
//
// A row matches when
// - its call sign, licence number, names, readings, postal codes or addresses contain the
//   search text, compared as search::fold() folds them (width, case and kana ignored); the
//   two lines of an address are searched as one text;
// - and its licence is in the chosen state of its re-licence window on the given day.
//
// Typing must not wait on a full register: every station's folded text is worked out once,
// when first needed after the register changed, so that a keystroke costs one substring search
// per station. The keys follow the grid model's signals (reset, changed rows); for that they
// are connected before the proxy's own, so that the proxy never filters on a stale key.
class StationFilterModel final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    // The choices of the state filter, in the order offered.
    enum class StateFilter { All, Open, Closing, Missed, Expired, Upcoming };
    static constexpr int kStateFilterCount = 6;
    // "全て", "申請受付中" (open, closing included), "締切間近", "締切超過", "期限切れ",
    // "受付前".
    static QString stateFilterLabel(StateFilter filter);

    // grid must show store.
    StationFilterModel(RecordGridModel& grid, const RecordStore& store, QObject* parent = nullptr);

    void setSearchText(const QString& text);
    QString searchText() const { return searchText_; }
    void setStateFilter(StateFilter filter);
    StateFilter stateFilter() const { return stateFilter_; }
    // The day the states are worked out for (today, from the clock). Until it is set the
    // state filter shows nothing but 全て.
    void setDay(QDate day);
    QDate day() const { return day_; }
    // Whether rows may be hidden (a search text or a state other than 全て).
    bool isFiltering() const;

    // The register's record number (1..Count) that a row of this model shows; 0 for a row
    // that is not there, or the blank row of an empty register.
    int storeRow(int proxyRow) const;
    // The row of this model that shows record number storeRow, or -1 when it is hidden.
    int proxyRow(int storeRow) const;
    // Builds the search keys now if the register changed since they were built.
    void prepareSearch() const { keys(); }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void followSource(QAbstractItemModel* source);
    void forgetRows();
    void updateRows(int first, int last);
    void refilter();
    // Keys record storeRow into keys_.
    void buildKey(int storeRow, search::KeyBuilder& key) const;
    renewal::State stateOf(int storeRow) const;
    bool stateMatches(renewal::State state) const;
    const std::vector<QString>& keys() const;
    const std::vector<renewal::State>& states() const;

    const RecordStore& store_;
    QString searchText_;
    QString foldedQuery_;
    QStringMatcher matcher_;
    StateFilter stateFilter_ = StateFilter::All;
    QDate day_;
    // By record number − 1; built when first needed, invalid once the register changes.
    mutable std::vector<QString> keys_;
    mutable bool keysValid_ = false;
    mutable std::vector<renewal::State> states_;
    mutable bool statesValid_ = false;
};
