#include "core/key_history/key_rows.h"

#include <algorithm>
#include <iterator>

#include "core/key_history/key_history_text.h"
#include "core/key_history/key_route_text.h"

namespace zintar {

void KeyRows::Follow() {
    if (!history_.IsCurrent(generation_) || history_.addedCount() < followed_) {
        rows_.clear();
        generation_ = history_.generation();
        followed_ = history_.oldestNumber();
    }
    // Records beyond what the history keeps never become rows.
    followed_ = std::max(followed_, history_.oldestNumber());
    for (; followed_ < history_.addedCount(); ++followed_)
        rows_.push_back({{followed_, kRecordRow}, std::nullopt, {}});
    DropGone();
}

// Rows are dropped from the top: those of records the history no longer keeps, and key rows
// before them; then the oldest beyond the capacity.
void KeyRows::DropGone() {
    const uint64_t first = history_.oldestNumber();
    while (!rows_.empty() && (rows_.front().place.record < first || rows_.size() > kCapacity))
        rows_.pop_front();
}

std::optional<size_t> KeyRows::IndexOf(Place place) const {
    const auto it = std::lower_bound(rows_.begin(), rows_.end(), place,
                                     [](const Row& row, const Place& p) { return row.place < p; });
    if (it == rows_.end() || it->place != place)
        return std::nullopt;
    return static_cast<size_t>(it - rows_.begin());
}

std::optional<KeyRows::Place> KeyRows::AddRoute(const KeyRoute& route, std::wstring deviceName) {
    Follow();
    if (route.delivered) {
        const std::optional<size_t> index = IndexOf({route.record, kRecordRow});
        if (!index)
            return std::nullopt;
        rows_[*index].route = route;
        rows_[*index].deviceName = std::move(deviceName);
        ++revision_;
        return rows_[*index].place;
    }
    // After the key rows already before the same record: the routes come in the order of
    // their keys.
    const Place recordPlace{route.recordsBefore, kRecordRow};
    const auto at = std::lower_bound(rows_.begin(), rows_.end(), recordPlace,
                                     [](const Row& row, const Place& p) { return row.place < p; });
    if (route.recordsBefore < history_.oldestNumber() ||
        route.recordsBefore > history_.addedCount())
        return std::nullopt; // its place has dropped out, or belongs to a cleared history
    uint32_t before = 0;
    if (at != rows_.begin()) {
        const Place& previous = std::prev(at)->place;
        if (previous.record == route.recordsBefore && previous.before != kRecordRow)
            before = previous.before + 1;
    }
    const Place place{route.recordsBefore, before};
    rows_.insert(at, Row{place, route, std::move(deviceName)});
    DropGone();
    ++revision_;
    return IndexOf(place) ? std::optional<Place>(place) : std::nullopt;
}

void KeyRows::SetReason(Place place, NotDeliveredReason reason) {
    const std::optional<size_t> index = IndexOf(place);
    if (!index || !rows_[*index].route || rows_[*index].route->reason == reason)
        return;
    rows_[*index].route->reason = reason;
    ++revision_;
}

std::optional<size_t> KeyRows::IndexNow(size_t shownRow) const {
    if (shownRow >= shown_.size())
        return std::nullopt;
    return IndexOf(shown_[shownRow]);
}

KeyRows::Change KeyRows::Update() {
    Follow();
    Change change;
    change.size = rows_.size();
    for (size_t i = 0; i < shown_.size() && !change.moved; ++i)
        change.moved = IndexNow(i) != i;
    change.changed = revision_ != shownRevision_ || history_.revision() != shownHistoryRevision_;
    Reset();
    return change;
}

void KeyRows::Reset() {
    Follow();
    shown_.clear();
    for (const Row& row : rows_)
        shown_.push_back(row.place);
    shownRevision_ = revision_;
    shownHistoryRevision_ = history_.revision();
}

const KeyRows::Row* KeyRows::ShownRow(size_t shownRow) const {
    const std::optional<size_t> index = IndexNow(shownRow);
    if (!index)
        return nullptr;
    const Row& row = rows_[*index];
    const uint64_t first = history_.oldestNumber();
    if (!history_.IsCurrent(generation_) || row.place.record < first ||
        (row.IsRecord() && row.place.record >= history_.addedCount()))
        return nullptr;
    return &row;
}

std::optional<KeyEventRecord> KeyRows::ShownRecord(size_t shownRow) const {
    const Row* row = ShownRow(shownRow);
    if (!row)
        return std::nullopt;
    if (!row->IsRecord())
        return RecordOfRoute(*row->route);
    return history_.at(static_cast<size_t>(row->place.record - history_.oldestNumber()));
}

std::wstring KeyRows::CellText(size_t shownRow, HistoryColumn column, Language language) const {
    const std::optional<KeyEventRecord> record = ShownRecord(shownRow);
    if (!record)
        return {};
    const Row& row = *ShownRow(shownRow);
    const RecordTexts::Texts* texts =
        row.IsRecord()
            ? history_.TextsAt(static_cast<size_t>(row.place.record - history_.oldestNumber()))
            : nullptr;
    const KeyTiming* timing = row.IsRecord() && times_ ? times_->Find(row.place.record) : nullptr;
    const HistoryCell cell{.record = &*record,
                           .route = row.route ? &*row.route : nullptr,
                           .deviceName = row.deviceName,
                           .texts = texts,
                           .timing = timing,
                           .chatter = chatter_};
    return ColumnCellText(column, cell, language);
}

std::wstring KeyRows::CopyText(const std::vector<size_t>& shownRows, Language language,
                               ColumnSet columns) const {
    std::wstring text = HistoryCopyText(history_, {}, language, columns); // the titles
    for (size_t shown : shownRows) {
        if (!ShownRow(shown))
            continue;
        text += L"\r\n";
        text += TabbedLine(columns, [&](HistoryColumn c) { return CellText(shown, c, language); });
    }
    return text;
}

} // namespace zintar
