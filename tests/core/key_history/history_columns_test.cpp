// The columns' table: what the list measures each column by.
#include "core/key_history/history_columns.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

// A sample that writes nothing in its column (a key record for a character column, a record
// for a route column) leaves the column as narrow as its title: each column must get at least
// one text of its own besides the title, in either language.
TEST(ColumnWidthTexts, TheTitleThenSamplesThatFillTheColumn) {
    for (Language language : {Language::English, Language::Hungarian})
        for (const HistoryColumnInfo& column : HistoryColumns()) {
            SCOPED_TRACE(testing::PrintToString(std::wstring(column.title.english)));
            const std::vector<std::wstring> texts = ColumnWidthTexts(column.id, language);
            ASSERT_GE(texts.size(), 2u);
            EXPECT_EQ(texts.front(), column.title.In(language));
            bool filled = false;
            for (size_t i = 1; i < texts.size(); ++i)
                filled = filled || !texts[i].empty();
            EXPECT_TRUE(filled);
        }
    EXPECT_TRUE(ColumnWidthTexts(static_cast<HistoryColumn>(kHistoryColumnCount), Language::English)
                    .empty());
}

// The widest texts the list knows, by hand: a column narrower than these cuts them off.
TEST(ColumnWidthTexts, HoldTheLongestWords) {
    const auto holds = [](HistoryColumn column, Language language, std::wstring_view text) {
        for (const std::wstring& sample : ColumnWidthTexts(column, language))
            if (sample == text)
                return true;
        return false;
    };
    EXPECT_TRUE(holds(HistoryColumn::Message, Language::English, L"system key down"));
    EXPECT_TRUE(holds(HistoryColumn::Message, Language::Hungarian, L"rendszerbillenty\u0171 fel"));
    EXPECT_TRUE(holds(HistoryColumn::Delivered, Language::English,
                      L"no (Windows delivers only its key-up)"));
    EXPECT_TRUE(holds(HistoryColumn::SeenBy, Language::Hungarian, L"ablak, horog, nyers bemenet"));
    EXPECT_TRUE(holds(HistoryColumn::Utf8, Language::English, L"F0 9F 98 80"));
}

} // namespace
} // namespace zintar
