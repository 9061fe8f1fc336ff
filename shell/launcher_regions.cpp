#include "shell/launcher_regions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "store/bytes.h"
#include "store/names.h"
#include "store/sjis.h"

const char kMsgMenuSaveFailed[] = "menu.mox ファイルを保存できません。";
const char kMsgProgramSaveFailed[] = "program.mox ファイルを保存できません。";
const char kMsgNoAssociation[] = "関連付けされていません";
const char kMsgRegionTaken[] = "選択範囲には既に機能またはプログラムが割り当ててあります。";
const char kProgramListHeader[] = "メニュー\tLEFT\tTOP\tRIGHT\tBOTTOM";

namespace {

const char* const kFunctionNames[kFunctionCount] = {
    "行先入力", "受信簿", "送信簿",   "掲示板",     "チャット", "メール",
    "電話メモ", "メッセージ", "行先掲示板", "メモ", "接続名一覧", "カレンダー",
};

// left, top, right, bottom at offset 0 of both record layouts.
RegionRect GetRect(const unsigned char* p) {
    RegionRect r;
    r.left = GetInt16(p);
    r.top = GetInt16(p + 2);
    r.right = GetInt16(p + 4);
    r.bottom = GetInt16(p + 6);
    return r;
}

void PutRect(unsigned char* p, const RegionRect& r) {
    PutInt16(p, r.left);
    PutInt16(p + 2, r.top);
    PutInt16(p + 4, r.right);
    PutInt16(p + 6, r.bottom);
}

// The platform's reading of a number in a list line or an edit: leading digits, else 0.
int LeadingNumber(const std::string& text) { return std::atoi(text.c_str()); }

}  // namespace

RegionRect MakeRegionRect(int left, int top, int right, int bottom) {
    RegionRect r;
    r.left = static_cast<int16_t>(left);
    r.top = static_cast<int16_t>(top);
    r.right = static_cast<int16_t>(right);
    r.bottom = static_cast<int16_t>(bottom);
    return r;
}

bool RegionRect::Intersects(const RegionRect& o) const {
    if (IsEmpty() || o.IsEmpty()) return false;
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
}

LauncherRegions& LauncherTables() {
    static LauncherRegions tables;
    return tables;
}

PicturePoint& LauncherScrollOffset() {
    static PicturePoint offset;
    return offset;
}

RegionRect& DragSelection() {
    static RegionRect selection;
    return selection;
}

const char* FunctionName(int function) {
    return function >= 0 && function < kFunctionCount ? kFunctionNames[function] : "";
}

void EncodeMenuRecord(const FunctionSlot& slot, unsigned char out[kMenuRecordSize]) {
    PutRect(out, slot.rect);
    PutInt16(out + menu_field::kNumber, slot.number);
}

FunctionSlot DecodeMenuRecord(const unsigned char in[kMenuRecordSize]) {
    FunctionSlot slot;
    slot.rect = GetRect(in);
    slot.number = GetInt16(in + menu_field::kNumber);
    return slot;
}

std::string EncodeMenuFile(const LauncherRegions& tables) {
    std::string bytes(kMenuRecordSize * kRegionSlots, '\0');
    for (int i = 0; i < kRegionSlots; ++i) {
        FunctionSlot slot = tables.functions[i];
        slot.number = static_cast<int16_t>(i);
        EncodeMenuRecord(slot, reinterpret_cast<unsigned char*>(&bytes[i * kMenuRecordSize]));
    }
    return bytes;
}

void EncodeProgramRecord(const ProgramRecord& record, unsigned char out[kProgramRecordSize]) {
    std::memset(out, 0, kProgramRecordSize);
    PutRect(out, record.rect);
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
    r.rect = GetRect(in);
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

void FillFunctionTable(const std::string& menuBytes, LauncherRegions& tables) {
    for (size_t off = 0; off + kMenuRecordSize <= menuBytes.size(); off += kMenuRecordSize) {
        FunctionSlot slot = DecodeMenuRecord(BytesOf(menuBytes) + off);
        // The number names the slot; a number outside the table must not write past it.
        if (slot.number < 0 || slot.number >= kRegionSlots) continue;
        tables.functions[slot.number] = slot;
    }
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

int HitTestRegions(const LauncherRegions& tables, int x, int y, PicturePoint scroll) {
    x += scroll.x;
    y += scroll.y;
    for (int i = 0; i < kRegionSlots; ++i) {
        if (tables.functions[i].rect.Contains(x, y)) return tables.functions[i].number;
        if (tables.programs[i].rect.Contains(x, y)) return tables.programs[i].number;
    }
    return -1;
}

bool RegionsAreFree(const LauncherRegions& tables, const RegionRect& candidate) {
    for (int i = 0; i < kRegionSlots; ++i) {
        if (tables.functions[i].rect.Intersects(candidate)) return false;
        if (tables.programs[i].rect.Intersects(candidate)) return false;
    }
    return true;
}

RegionKind KindOfRegion(int number) {
    if (number >= 0 && number < kFunctionCount) return RegionKind::kFunction;
    if (number >= kFirstProgram && number <= kLastUsableProgram) return RegionKind::kProgram;
    return RegionKind::kNone;
}

std::string RegionLabel(const LauncherRegions& tables, int number) {
    switch (KindOfRegion(number)) {
        case RegionKind::kFunction: return FunctionName(number);
        case RegionKind::kProgram:
            for (const ProgramSlot& p : tables.programs)
                if (p.number == number) return p.name;
            return std::string();
        default: return std::string();
    }
}

RegionRect DragRect(int startX, int startY, int currentX, int currentY, PicturePoint scroll) {
    int x0 = startX + scroll.x, y0 = startY + scroll.y;
    int x1 = currentX + scroll.x, y1 = currentY + scroll.y;
    return MakeRegionRect(x0 < x1 ? x0 : x1, y0 < y1 ? y0 : y1, x0 < x1 ? x1 : x0,
                          y0 < y1 ? y1 : y0);
}

std::string AssociationKey(const std::string& path) {
    std::string ext = PathExtension(path);
    return ext.empty() ? ext : ext.substr(1);
}

std::string AssociatedCommand(const std::string& entry, const std::string& path) {
    std::string program = entry.substr(0, entry.find('^'));
    while (!program.empty() && (program.back() == ' ' || program.back() == '\t'))
        program.pop_back();
    if (program.empty()) return std::string();
    // The entry's own blank before the caret separates program and document; an entry written
    // without a caret must not run the two together into one word.
    return program + " " + path;
}
