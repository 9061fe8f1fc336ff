#include "shell/program_record.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "store/bytes.h"
#include "store/sjis.h"

const char kProgramListHeader[] = "メニュー\tLEFT\tTOP\tRIGHT\tBOTTOM";

namespace {

// The platform's reading of a number in a list line or an edit: leading digits, else 0.
int LeadingNumber(const std::string& text) { return std::atoi(text.c_str()); }

}  // namespace

void EncodeProgramRecord(const ProgramRecord& record, unsigned char out[kProgramRecordSize]) {
    std::memset(out, 0, kProgramRecordSize);
    PutRegionRect(out, record.rect);
    PutInt16(out + program_field::kNumber, record.number);
    PutFieldText(out + program_field::kName, program_field::kNameWidth - 1, record.name);
    PutFieldText(out + program_field::kCommand, program_field::kCommandWidth - 1, record.command);
}

std::string EncodeProgramRecord(const ProgramRecord& record) {
    unsigned char bytes[kProgramRecordSize];
    EncodeProgramRecord(record, bytes);
    return std::string(reinterpret_cast<const char*>(bytes), kProgramRecordSize);
}

ProgramRecord DecodeProgramRecord(const unsigned char in[kProgramRecordSize]) {
    ProgramRecord r;
    r.rect = GetRegionRect(in);
    r.number = GetInt16(in + program_field::kNumber);
    // A field without its NUL yields its whole width; the name still keeps to 20 bytes.
    r.name = CutSjis(FieldText(in + program_field::kName, program_field::kNameWidth),
                     kProgramNameMax);
    r.command = CutSjis(FieldText(in + program_field::kCommand, program_field::kCommandWidth),
                        kProgramCommandMax);
    return r;
}

std::string ProgramListLine(const ProgramRecord& record) {
    // A tab inside the name would shift every column when the line is read back, and the
    // rewrite would store the coordinates in the command line: show it as a blank instead.
    std::string name = record.name;
    for (char& c : name)
        if (c == '\t') c = ' ';
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "\t%d\t%d\t%d\t%d\t", record.rect.left,
                  record.rect.top, record.rect.right, record.rect.bottom);
    return name + numbers + record.command;
}

ProgramRecord ParseProgramListLine(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    // Five tabs separate six fields; the command line keeps any tab of its own.
    while (fields.size() < 5) {
        size_t tab = line.find('\t', start);
        if (tab == std::string::npos) break;
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(start <= line.size() ? line.substr(start) : std::string());
    fields.resize(6);
    ProgramRecord r;
    r.name = CutSjis(fields[0], kProgramNameMax);
    r.rect = MakeRegionRect(LeadingNumber(fields[1]), LeadingNumber(fields[2]),
                            LeadingNumber(fields[3]), LeadingNumber(fields[4]));
    r.command = CutSjis(fields[5], kProgramCommandMax);
    return r;
}

void FillProgramTable(const std::string& programBytes, LauncherRegions& tables) {
    int slot = 0;
    for (size_t off = 0; off + kProgramRecordSize <= programBytes.size() && slot < kRegionSlots;
         off += kProgramRecordSize, ++slot) {
        ProgramRecord r = DecodeProgramRecord(BytesOf(programBytes) + off);
        tables.programs[slot].rect = r.rect;
        tables.programs[slot].number = r.number;
        tables.programs[slot].name = r.name;
    }
    for (; slot < kRegionSlots; ++slot) tables.programs[slot] = ProgramSlot();
}
