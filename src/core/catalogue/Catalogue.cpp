#include "catalogue/Catalogue.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "catalogue/RepeatedNames.h"
#include "inifile/BigIniFile.h"
#include "platform/PathText.h"
#include "rf/Rf.h"
#include "text/Error.h"
#include "text/Fields.h"

namespace quill {

namespace {

// A cable record's fields, numbered from 1 as the record layout counts them,
// as views of the record: reading one takes no allocation.
class RecordFields {
  public:
    explicit RecordFields(std::string_view text) {
        std::size_t at;
        while (count_ < fields_.size() && (at = text.find('|')) != std::string_view::npos) {
            fields_[count_++] = text.substr(0, at);
            text.remove_prefix(at + 1);
        }
        if (count_ < fields_.size()) fields_[count_++] = text;
    }
    std::string_view Text(std::size_t position) const {
        if (position > count_) ThrowListIndex(static_cast<long long>(position - 1));
        return fields_[position - 1];
    }
    double Number(std::size_t position) const {
        const std::string_view text = Text(position);
        return StrToFloat(text.empty() ? std::string_view("0") : text);
    }

  private:
    std::array<std::string_view, 16> fields_{};
    std::size_t count_ = 0;
};

template <typename Keep>
CableList Select(const CableList& cables, Keep keep) {
    CableList result;
    for (TTransmissionLine* cable : cables)
        if (keep(*cable)) result.push_back(cable);
    return result;
}

}  // namespace

std::unique_ptr<TTransmissionLine> ParseCableRecord(std::string_view text) {
    const RecordFields items(text);
    auto cable = std::make_unique<TTransmissionLine>();
    cable->lowFrequency = items.Number(1);
    cable->highFrequency = items.Number(2);
    cable->modelName = items.Text(3);
    cable->partNumber = items.Text(4);
    cable->cableType = items.Text(5);
    cable->k1 = items.Number(6);
    cable->k2 = items.Number(7);
    cable->diameter = items.Text(8);
    cable->gradeCode = items.Text(9);
    cable->attachmentPartNumber = items.Text(10);
    cable->firstAttachmentFlag = items.Text(11);
    cable->platedFlag = items.Text(12);
    cable->standardFlag = items.Text(13);
    cable->powerConstant = items.Number(14);
    cable->maxPower = items.Number(15);
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
    // Sixteen or eight bytes at a time: a branch a byte would mispredict where
    // the bars fall, and finding them is much of the catalogue's loading time.
    constexpr std::size_t kBars = kFields + 1;
    std::array<std::size_t, kBars> bars{};
    std::size_t found = 0;
    const auto take = [&](std::uint32_t mask, std::size_t base) {
        while (mask != 0 && found < kBars) {
            bars[found++] = base + static_cast<std::size_t>(std::countr_zero(mask));
            mask &= mask - 1;
        }
    };
    std::size_t at = 0;
#if defined(__SSE2__)
    const __m128i bar = _mm_set1_epi8('|');
    const auto barsIn = [&](std::size_t from) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + from));
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, bar)));
    };
    for (; at + 16 <= size && found < kBars; at += 16) take(barsIn(at), at);
    if (found < kBars && at < size && size >= 16) {
        // The last block overlaps the one before; the bytes read already are dropped.
        const std::size_t from = size - 16;
        take(barsIn(from) >> (at - from) << (at - from), from);
        at = size;
    }
#endif
    for (; at + 8 <= size && found < kBars; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text + at, 8);
        // 0x80 in each byte that is a bar, exactly (no borrow between bytes).
        const std::uint64_t x = word ^ 0x7C7C7C7C7C7C7C7CULL;
        std::uint64_t bars8 =
            ~(((x & 0x7F7F7F7F7F7F7F7FULL) + 0x7F7F7F7F7F7F7F7FULL) | x | 0x7F7F7F7F7F7F7F7FULL);
        if constexpr (std::endian::native == std::endian::big) bars8 = __builtin_bswap64(bars8);
        while (bars8 != 0 && found < kBars) {
            bars[found++] = at + static_cast<std::size_t>(std::countr_zero(bars8)) / 8;
            bars8 &= bars8 - 1;
        }
    }
    for (; at < size && found < kBars; ++at)
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

std::string_view ValueAfterEquals(std::string_view line) {
    const std::size_t at = EqualsAt(line);
    return at == std::string_view::npos ? std::string_view() : line.substr(at + 1);
}

// The value of the first line named so, or nothing; a line without "=" has
// no name to be found by.
std::string_view ValueOfName(const TBigIniFile& reader, int section, std::string_view name) {
    for (int i = 0; i < reader.SectionLineCount(section); ++i) {
        const std::string_view line = reader.SectionLine(section, i);
        const std::size_t at = EqualsAt(line);
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
    RepeatedNames repeatedNames;
    catalogue.reserve(catalogue.size() + static_cast<std::size_t>(reader.SectionCount()));
    for (int section = 1; section < reader.SectionCount(); ++section) {
        try {
            auto cable = ParseCableRecord(ValueOfName(reader, section, "TLine"));
            const int count = reader.SectionLineCount(section);
            cable->ReserveConnectors(static_cast<std::size_t>(std::max(count - 1, 0)), 0);
            const SectionLines lines = reader.Lines(section);
            const std::vector<RepeatedNames::Repeat>& repeats = repeatedNames.Find(lines);
            const int emptyName = repeatedNames.FirstEmptyName();
            const std::string_view emptyNameValue =
                emptyName < 0 ? std::string_view() : ValueAfterEquals(lines[emptyName]);
            auto repeat = repeats.begin();
            for (int line = 1; line < count; ++line) {
                const std::string_view text = lines[line];
                const std::size_t equals = EqualsAt(text);
                std::string_view value;
                if (equals == std::string_view::npos) {
                    value = emptyNameValue;  // an empty name
                } else if (repeat != repeats.end() && repeat->line == line) {
                    value = ValueAfterEquals(lines[(repeat++)->first]);
                } else {
                    value = text.substr(equals + 1);
                }
                cable->AddConnectorInPlace(value, kept);
            }
            catalogue.push_back(std::move(cable));
        } catch (const QuillError& error) {
            // A data maintainer needs to know where to look.
            throw QuillError(Utf8Of(fileName.filename()) + " [" + reader.SectionName(section) +
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
