#include "tests/avr/recorded_session.h"

#include <fstream>

namespace kavel::test {

std::string RecordedSection::Bytes() const {
    std::string all;
    for (const RecordedRead& read : reads) all += read.bytes;
    return all;
}

std::optional<RecordedSession> RecordedSession::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    RecordedSession session;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("@ ", 0) == 0) {
            session.sections_.push_back({line.substr(2), {}});
            continue;
        }
        const auto blank = line.find(' ');
        if (session.sections_.empty() || blank == std::string::npos) return std::nullopt;
        session.sections_.back().reads.push_back({std::stoi(line.substr(0, blank)),
                                                  line.substr(blank + 1)});
    }
    return session;
}

const RecordedSection& RecordedSession::Section(const std::string& name) const {
    static const RecordedSection kNone;
    for (const RecordedSection& section : sections_) {
        if (section.name == name) return section;
    }
    return kNone;
}

}  // namespace kavel::test
