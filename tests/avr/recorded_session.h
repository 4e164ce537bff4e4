#pragma once
// The byte streams kavel-record-streams took from the real panel (data/kavel-session.txt):
// sections, one per user action, each a list of reads with their time in the section.

#include <optional>
#include <string>
#include <vector>

namespace kavel::test {

struct RecordedRead {
    int ms = 0;  // since the section began
    std::string bytes;
};

struct RecordedSection {
    std::string name;
    std::vector<RecordedRead> reads;

    std::string Bytes() const;  // every read joined
};

class RecordedSession {
public:
    static std::optional<RecordedSession> Load(const std::string& path);

    // The section of that name; an empty one when there is none.
    const RecordedSection& Section(const std::string& name) const;
    const std::vector<RecordedSection>& sections() const { return sections_; }

private:
    std::vector<RecordedSection> sections_;
};

}  // namespace kavel::test
