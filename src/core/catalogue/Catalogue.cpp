#include "catalogue/Catalogue.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <optional>

#include "catalogue/BigIniFile.h"
#include "catalogue/Error.h"
#include "catalogue/Fields.h"
#include "rf/Rf.h"

namespace quill {

namespace {

// Record fields are numbered from 1.
const std::string& Item(const StringList& items, size_t position) {
    return ItemAt(items, position - 1);
}

double NumberItem(const StringList& items, size_t position) {
    return StrToFloat(TextOrDefault(Item(items, position), "0"));
}

template <typename Keep>
CableList Select(const CableList& cables, Keep keep) {
    CableList result;
    for (TTransmissionLine* cable : cables)
        if (keep(*cable)) result.push_back(cable);
    return result;
}

}  // namespace

std::unique_ptr<TTransmissionLine> ParseCableRecord(const std::string& text) {
    const StringList items = SplitFields(text, "|");
    auto cable = std::make_unique<TTransmissionLine>();
    cable->lowFrequency = NumberItem(items, 1);
    cable->highFrequency = NumberItem(items, 2);
    cable->modelName = Item(items, 3);
    cable->partNumber = Item(items, 4);
    cable->cableType = Item(items, 5);
    cable->k1 = NumberItem(items, 6);
    cable->k2 = NumberItem(items, 7);
    cable->diameter = Item(items, 8);
    cable->gradeCode = Item(items, 9);
    cable->attachmentPartNumber = Item(items, 10);
    cable->firstAttachmentFlag = Item(items, 11);
    cable->platedFlag = Item(items, 12);
    cable->standardFlag = Item(items, 13);
    cable->powerConstant = NumberItem(items, 14);
    cable->maxPower = NumberItem(items, 15);
    return cable;
}

// ---------------------------------------------------------------------------
// Connectors

struct TConnector::Extra {
    std::string ownText;  // the record of a connector that is in no cable
    std::string description;
    double price = 0;
    ConvertedPrices converted;
};

TConnector::TConnector() = default;
TConnector::TConnector(TConnector&&) noexcept = default;
TConnector& TConnector::operator=(TConnector&&) noexcept = default;
TConnector::~TConnector() = default;

TConnector::TConnector(std::string_view record) {
    Extras().ownText.assign(record);
    Parse(extra_->ownText.data(), extra_->ownText.size());
}

TConnector::Extra& TConnector::Extras() {
    if (!extra_) extra_ = std::make_unique<Extra>();
    return *extra_;
}

const std::string& TConnector::Description() const {
    static const std::string none;
    return extra_ ? extra_->description : none;
}

double TConnector::Price() const { return extra_ ? extra_->price : 0; }

const ConvertedPrices& TConnector::Converted() const {
    static const ConvertedPrices none;
    return extra_ ? extra_->converted : none;
}

void TConnector::SetPrice(std::string description, double price, ConvertedPrices converted) {
    Extra& extra = Extras();
    extra.description = std::move(description);
    extra.price = price;
    extra.converted = std::move(converted);
}

// The code comes first and is read first, so a bad code is reported before
// a short record; a short record reports the first field it lacks, as a list
// of the record's fields would.
void TConnector::Parse(const char* text, std::size_t size) {
    if (size > std::numeric_limits<std::uint16_t>::max())
        throw QuillError("A connector record of " + std::to_string(size) +
                         " characters is too long to be one.");
    // Eight bytes at a time: a branch a byte would mispredict where the bars
    // fall, and finding them is most of the catalogue's loading time.
    std::array<std::size_t, kFields + 1> bars{};
    std::size_t found = 0;
    std::size_t at = 0;
    for (; at + 8 <= size && found < bars.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text + at, 8);
        // 0x80 in each byte that is a bar, exactly (no borrow between bytes).
        const std::uint64_t x = word ^ 0x7C7C7C7C7C7C7C7CULL;
        std::uint64_t bars8 =
            ~(((x & 0x7F7F7F7F7F7F7F7FULL) + 0x7F7F7F7F7F7F7F7FULL) | x | 0x7F7F7F7F7F7F7F7FULL);
        if constexpr (std::endian::native == std::endian::big) bars8 = __builtin_bswap64(bars8);
        while (bars8 != 0 && found < bars.size()) {
            bars[found++] = at + static_cast<std::size_t>(std::countr_zero(bars8)) / 8;
            bars8 &= bars8 - 1;
        }
    }
    for (; at < size && found < bars.size(); ++at)
        if (text[at] == '|') bars[found++] = at;
    const std::string_view codeField(text, found > 0 ? bars[0] : size);
    // Plain digits, as every real code is, are read here; anything else by
    // the general conversion with its error report.
    std::int32_t plainCode = 0;
    bool plain = !codeField.empty() && codeField.size() <= 9;
    for (std::size_t i = 0; plain && i < codeField.size(); ++i) {
        plain = codeField[i] >= '0' && codeField[i] <= '9';
        plainCode = plainCode * 10 + (codeField[i] - '0');
    }
    code = plain ? plainCode : StrToInt(codeField.empty() ? std::string_view("0") : codeField);
    if (found < kFields) ThrowListIndex(static_cast<long long>(found + 1));
    text_ = text;
    starts_ = static_cast<std::uint16_t>(bars[0] + 1);
    for (int i = 0; i < kFields; ++i) {
        const std::size_t bar = static_cast<std::size_t>(i) + 1;
        ends_[static_cast<std::size_t>(i)] =
            static_cast<std::uint16_t>(bar < found ? bars[bar] : size);
    }
}

TConnector& TTransmissionLine::AddConnector(std::string_view record) {
    if (connectorText_.empty() || textFree_ < record.size())
        ReserveConnectors(0, std::max<std::size_t>(record.size(), 4096));
    char* at = connectorText_.back().get() + (textCapacity_ - textFree_);
    std::memcpy(at, record.data(), record.size());
    TConnector connector;
    connector.Parse(at, record.size());  // a bad record adds nothing
    textFree_ -= record.size();
    connectors.push_back(std::move(connector));
    return connectors.back();
}

TConnector& TTransmissionLine::AddConnectorInPlace(std::string_view record,
                                                   const std::shared_ptr<const void>& keeper) {
    TConnector& connector = connectors.emplace_back();
    try {
        connector.Parse(record.data(), record.size());
    } catch (...) {
        connectors.pop_back();  // a bad record adds nothing
        throw;
    }
    if (keptText_ != keeper) keptText_ = keeper;
    return connector;
}

void TTransmissionLine::ReserveConnectors(std::size_t count, std::size_t textBytes) {
    connectors.reserve(connectors.size() + count);
    if (!connectorText_.empty() && textFree_ >= textBytes) return;
    connectorText_.push_back(
        std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(textBytes, 1)));
    textCapacity_ = textFree_ = textBytes;
}

// ---------------------------------------------------------------------------
// Loading

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

std::size_t NameHash(std::string_view name) {
    std::size_t hash = 1469598103934665603ull;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(Lower(c))) * 1099511628211ull;
    return hash;
}

// Finds, line by line, the first line of a section with the same name as the
// current one, names compared without regard to case, as the name/value view
// reads a value. One hash probe a line keeps loading linear in a cable of a
// hundred thousand connectors; a slot holds the name's hash and its line.
class FirstOfName {
  public:
    // Forgets every name, with room for a section of that many lines.
    void Reset(std::size_t lines) {
        std::size_t slots = 16;
        int bits = 4;
        while (slots < lines * 2) slots *= 2, ++bits;
        slots_.assign(slots, Slot{0, -1});
        mask_ = slots - 1;
        shift_ = 64 - bits;
    }

    // Asks the memory for the slot of a name looked for soon: the table of a
    // large section is larger than the cache, and the names are independent.
    void Prefetch(std::string_view name) const {
        __builtin_prefetch(&slots_[Home(NameHash(name))]);
    }

    // The first line named `name` so far; `line` itself when it is the first.
    int Find(std::string_view name, int line, const TBigIniFile& reader, int section) {
        const std::size_t hash = NameHash(name);
        for (std::size_t at = Home(hash);; at = (at + 1) & mask_) {
            Slot& slot = slots_[at];
            if (slot.line < 0) {
                slot = Slot{static_cast<std::uint32_t>(hash), line};
                return line;
            }
            if (slot.hash == static_cast<std::uint32_t>(hash)) {
                const std::string_view known = reader.SectionLine(section, slot.line);
                if (SameTextIgnoringCase(known.substr(0, known.find('=')), name)) return slot.line;
            }
        }
    }

  private:
    struct Slot {
        std::uint32_t hash;
        int line;
    };
    // The hash's high bits, stirred: names that differ in their last
    // characters only ("C1", "C2", ...) spread over the whole table.
    std::size_t Home(std::size_t hash) const {
        return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ULL) >> shift_);
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    int shift_ = 60;
};

std::string_view ValueAfterEquals(std::string_view line) {
    const std::size_t at = line.find('=');
    return at == std::string_view::npos ? std::string_view() : line.substr(at + 1);
}

// The value of the first line named so, or nothing; a line without "=" has
// no name to be found by.
std::string_view ValueOfName(const TBigIniFile& reader, int section, std::string_view name) {
    for (int i = 0; i < reader.SectionLineCount(section); ++i) {
        const std::string_view line = reader.SectionLine(section, i);
        const std::size_t at = line.find('=');
        if (at != std::string_view::npos && SameTextIgnoringCase(line.substr(0, at), name))
            return line.substr(at + 1);
    }
    return {};
}

}  // namespace

// The connectors' records stay where the reader read them: the catalogue keeps
// the reader's text rather than a copy of it.
void LoadCableCatalogue(const std::filesystem::path& fileName, CableCatalogue& catalogue) {
    const auto kept = std::make_shared<const TBigIniFile>(fileName);
    const TBigIniFile& reader = *kept;
    FirstOfName first;
    for (int section = 1; section < reader.SectionCount(); ++section) {
        try {
            auto cable = ParseCableRecord(std::string(ValueOfName(reader, section, "TLine")));
            const int count = reader.SectionLineCount(section);
            cable->ReserveConnectors(static_cast<std::size_t>(std::max(count - 1, 0)), 0);
            first.Reset(static_cast<std::size_t>(count));
            std::optional<std::string_view> emptyNameValue;
            constexpr int kAhead = 32;
            const auto prefetch = [&](int line) {
                const std::string_view text = reader.SectionLine(section, line);
                first.Prefetch(text.substr(0, text.find('=')));
            };
            for (int line = 0; line < std::min(count, kAhead); ++line) prefetch(line);
            for (int line = 0; line < count; ++line) {
                if (line + kAhead < count) prefetch(line + kAhead);
                const std::string_view text = reader.SectionLine(section, line);
                const std::size_t equals = text.find('=');
                std::string_view value;
                if (equals == std::string_view::npos) {
                    // A line without "=" has an empty name: its value is that
                    // of the first line "=value", if there is one.
                    if (!emptyNameValue) emptyNameValue = ValueOfName(reader, section, "");
                    value = *emptyNameValue;
                } else {
                    const int owner = first.Find(text.substr(0, equals), line, reader, section);
                    value = owner == line ? text.substr(equals + 1)
                                          : ValueAfterEquals(reader.SectionLine(section, owner));
                }
                if (line > 0) cable->AddConnectorInPlace(value, kept);
            }
            catalogue.push_back(std::move(cable));
        } catch (const QuillError& error) {
            // A data maintainer needs to know where to look.
            throw QuillError(fileName.filename().string() + " [" + reader.SectionName(section) +
                             "]: " + error.what());
        }
    }
}

CableCatalogue LoadCableCatalogue(const std::filesystem::path& fileName) {
    CableCatalogue catalogue;
    LoadCableCatalogue(fileName, catalogue);
    return catalogue;
}

CableList AllCables(const CableCatalogue& catalogue) {
    CableList list;
    list.reserve(catalogue.size());
    for (const auto& cable : catalogue) list.push_back(cable.get());
    return list;
}

CableList FilterByBand(const CableList& cables, double begin, double end) {
    return Select(cables, [&](const TTransmissionLine& c) {
        return c.lowFrequency <= begin && c.highFrequency >= end;
    });
}

CableList FilterByConnectorName(const CableList& cables, const std::string& name) {
    return Select(cables, [&](const TTransmissionLine& c) {
        for (const auto& connector : c.connectors)
            if (connector.Name() == name) return true;
        return false;
    });
}

CableList FilterByMaxLoss(const CableList& cables, const std::string& lengthUnit, double begin,
                          double end, double length, double maxLoss) {
    return Select(cables, [&](const TTransmissionLine& c) {
        double a = Attenuation(c, begin, end);
        if (lengthUnit == "Meters") a *= kFeetPerMeter;
        return a / 100 * length <= maxLoss;
    });
}

CableList FilterByCableType(const CableList& cables, bool air, bool foam, bool waveguide) {
    return Select(cables, [&](const TTransmissionLine& c) {
        const std::string type = UpperCase(c.cableType);
        return (air && type == "AIR") || (foam && type == "FOAM") || (waveguide && type == "EW");
    });
}

CableList FilterByCableGrade(const CableList& cables, const std::string& gradeCode) {
    const std::string wanted = UpperCase(gradeCode);
    return Select(cables,
                  [&](const TTransmissionLine& c) { return UpperCase(c.gradeCode) == wanted; });
}

CableList FilterCables(const CableList& cables, const CableFilter& f) {
    CableList result = cables;
    if (f.band) result = FilterByBand(result, f.beginFrequency, f.endFrequency);
    if (f.connector1) result = FilterByConnectorName(result, f.connectorName1);
    if (f.connector2) result = FilterByConnectorName(result, f.connectorName2);
    if (f.loss)
        result = FilterByMaxLoss(result, f.lengthUnit, f.beginFrequency, f.endFrequency, f.length,
                                 f.maxLoss);
    if (f.air || f.foam || f.waveguide)
        result = FilterByCableType(result, f.air, f.foam, f.waveguide);
    if (!f.gradeCode.empty()) result = FilterByCableGrade(result, f.gradeCode);
    return result;
}

}  // namespace quill
