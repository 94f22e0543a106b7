#include "record/sortorder.h"

#include "record/serialdate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

qint64 expirySortKey(double expiry) {
    static const double first = serialdate::fromDate(serialdate::firstSupported());
    static const double last = serialdate::fromDate(serialdate::lastSupported());
    // Whole days only: a time of day does not split records of the same day.
    const double day = std::floor(expiry);
    if (!(day >= first && day <= last)) // also NaN and the infinities
        return std::numeric_limits<qint64>::max();
    return qint64(day);
}

std::vector<int> expiryOrder(const std::vector<double>& expiries) {
    std::vector<std::pair<qint64, int>> keyed;
    keyed.reserve(expiries.size());
    for (size_t i = 0; i < expiries.size(); ++i)
        keyed.emplace_back(expirySortKey(expiries[i]), int(i));
    // The position breaks ties, which makes a plain sort stable.
    std::sort(keyed.begin(), keyed.end());
    std::vector<int> order;
    order.reserve(keyed.size());
    for (const auto& entry : keyed)
        order.push_back(entry.second);
    return order;
}

void sortByExpiry(std::vector<StationRecord>& records) {
    std::vector<double> expiries;
    expiries.reserve(records.size());
    for (const StationRecord& record : records)
        expiries.push_back(record.ExpiryDate);
    const std::vector<int> order = expiryOrder(expiries);
    std::vector<StationRecord> sorted;
    sorted.reserve(records.size());
    for (int position : order)
        sorted.push_back(std::move(records[size_t(position)]));
    records = std::move(sorted);
}
