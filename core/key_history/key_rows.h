#pragma once
// The rows of the key history list: the history's records, each with the route its key took
// once that is known, and between them the keys that never reached the window, in the order
// of the keys. At most as many rows as the history keeps records. What the list shows stays
// put until it is brought up to date: each shown row keeps standing for what it showed, though
// older rows may have dropped out and routes come in between since.
#include <compare>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/key_history/history_columns.h"
#include "core/key_history/key_history_text.h"
#include "core/key_history/key_event.h"
#include "core/key_history/key_route.h"
#include "core/common/language.h"
#include "core/key_state/record_times.h"

namespace zintar {

class KeyRows {
  public:
    static constexpr size_t kCapacity = KeyHistory::kCapacity;

    // Where a row stands: a record's row (record, kRecordRow); a key the window never
    // received (record, n) for the n-th such key before that record. Rows are in this order.
    struct Place {
        uint64_t record;
        uint32_t before;
        auto operator<=>(const Place&) const = default;
    };
    static constexpr uint32_t kRecordRow = UINT32_MAX;

    struct Row {
        Place place;
        std::optional<KeyRoute> route; // a record's route once settled; always for a key row
        std::wstring deviceName;       // the system's name of the route's device, if any
        bool IsRecord() const { return place.before == kRecordRow; }
    };

    // times: each record's times, for the columns of time; none leaves them empty.
    explicit KeyRows(const KeyHistory& history, const RecordTimes* times = nullptr)
        : history_(history), times_(times) {}

    // A press sooner than this after its release is chatter; a new threshold judges the rows
    // already shown too, once they are painted again.
    void SetChatterThreshold(ChatterThreshold threshold) { chatter_ = threshold; }
    ChatterThreshold chatterThreshold() const { return chatter_; }

    // The records the history took since the last call become rows; rows of records that
    // dropped out of the history go, and a cleared history starts the rows again.
    void Follow();
    // A settled route: a delivered one fills its record's row, one the window never received
    // becomes a row of its own before the record that followed it. Its place, or none when
    // its record has dropped out.
    std::optional<Place> AddRoute(const KeyRoute& route, std::wstring deviceName);
    // A probe found why a key row's key went elsewhere.
    void SetReason(Place place, NotDeliveredReason reason);

    // How the shown rows must change to show the rows as they are now.
    struct Change {
        size_t size = 0;
        bool moved = false;   // some shown row now stands at another index, or left
        bool changed = false; // a shown row's route or reason came in
    };
    // What a shown row stands at now (after Follow), or none when it left; call before Update.
    std::optional<size_t> IndexNow(size_t shownRow) const;
    // Takes the rows as they are now as the shown ones.
    Change Update();
    // The rows shown afresh.
    void Reset();

    size_t shownCount() const { return shown_.size(); }
    size_t size() const { return rows_.size(); }
    // The row a shown row stands for; null past the shown rows or when it has left.
    const Row* ShownRow(size_t shownRow) const;

    // What a shown row shows: its record, or for a key that went elsewhere the record its key
    // message would have made; none past the shown rows or when it has left.
    std::optional<KeyEventRecord> ShownRecord(size_t shownRow) const;
    // A cell of a shown row: record columns from the record (a key row's from the record its
    // key message would have made), route columns from the route, time columns from the
    // record's times (a key row has none: its key-down went elsewhere, and the key-up the
    // window received carries the time the key was held).
    std::wstring CellText(size_t shownRow, HistoryColumn column, Language language) const;
    // The column titles, then one tab-separated line per shown row given, as the list shows
    // them; rows that left are left out.
    // Hidden columns are left out.
    std::wstring CopyText(const std::vector<size_t>& shownRows, Language language,
                          ColumnSet columns = kAllColumns) const;

  private:
    std::optional<size_t> IndexOf(Place place) const;
    void DropGone();

    const KeyHistory& history_;
    const RecordTimes* times_;
    ChatterThreshold chatter_;
    std::deque<Row> rows_;
    std::vector<Place> shown_;
    uint64_t followed_ = 0; // records taken as rows
    HistoryGeneration generation_;
    uint64_t revision_ = 0, shownRevision_ = 0; // counts routes and reasons that came in
    uint64_t shownHistoryRevision_ = 0;         // records changed after they were added
};

} // namespace zintar
