// The table of private-profile cases. Each expectation was taken from the platform's own
// functions (run under Wine); the same table runs against the native implementation and
// against every reader of ours that answers profile keys, so they all behave alike.
#pragma once

#include <string>

namespace profilecases {

// A file written by hand: stray spaces, quotes, comments, blank lines, duplicate sections,
// headers with junk after them, a header without ']' and unusual line breaks.
inline const std::string kHandWritten =
    "  [Comm]  \r\nKey1 = \"quoted\" \r\nkey1=second\r\n;c=5\r\nnoeq\r\n\r\n\r\n"
    "[comm]\r\nkey2=dup\r\n"
    "[ sp ]\r\na=1\r\n"
    "[x]junk\r\nb=2\r\n[last\r\nc=3\r\ne=\r\nq1='x\r\nq2=\"\r\nq3='ab'\r\nq4=\"ab'\r\n"
    "  lead  =  v  w  \r\n"
    "[a]b]c\r\nk1=1\r\n"
    "[g]\n\rk4=4\n\r[h]\rk5=5\r"
    "[t]\r\nx=\t tab\t\r\n"
    "[\x81\x5D\r\nk6=6\r\n"
    "[gbk]\r\n\x81\x41=upper\r\n";

struct StringCase {
    const char* section;       // may be null: list of sections
    const char* key;           // may be null: list of keys
    const char* defaultValue;  // may be null
    unsigned size;
    unsigned result;
    std::string expected;  // the first result + 1 bytes of the buffer
};

inline const StringCase kStringCases[] = {
    // Names: any ASCII case, trimmed request, first section only, first key wins.
    {"comm", "KEY1", "d", 64, 6, std::string("quoted\0", 7)},
    {" comm ", " key1 ", "d", 64, 6, std::string("quoted\0", 7)},
    {"comm", "key2", "d", 64, 1, std::string("d\0", 2)},
    {"sp", "a", "d", 64, 1, std::string("1\0", 2)},
    {" sp ", "a", "d", 64, 1, std::string("1\0", 2)},
    // A line without '=' has no value; a ';' line is only a line whose name begins with ';'.
    {"comm", "noeq", "d", 64, 1, std::string("d\0", 2)},
    {"comm", ";c", "d", 64, 1, std::string("5\0", 2)},
    // Headers: the name runs to the last ']'; without one the line is an ordinary line.
    {"x", "b", "d", 64, 1, std::string("2\0", 2)},
    {"x]junk", "b", "d", 64, 1, std::string("d\0", 2)},
    {"[last", "c", "d", 64, 1, std::string("d\0", 2)},
    {"x", "c", "d", 64, 1, std::string("3\0", 2)},
    {"a]b", "k1", "d", 64, 1, std::string("1\0", 2)},
    {"a", "k1", "d", 64, 1, std::string("d\0", 2)},
    {"g", "k4", "d", 64, 1, std::string("4\0", 2)},
    {"h", "k5", "d", 64, 1, std::string("5\0", 2)},
    // Values: trimmed of spaces and tabs, one pair of matching quotes removed.
    {"t", "x", "d", 64, 3, std::string("tab\0", 4)},
    {"x", "e", "d", 64, 0, std::string("\0", 1)},
    {"x", "q1", "d", 64, 2, std::string("'x\0", 3)},
    {"x", "q2", "d", 64, 1, std::string("\"\0", 2)},
    {"x", "q3", "d", 64, 2, std::string("ab\0", 3)},
    {"x", "q4", "d", 64, 4, std::string("\"ab'\0", 5)},
    {"x", "lead", "d", 64, 4, std::string("v  w\0", 5)},
    // Defaults: trailing spaces go (not the first character), quotes go, null is empty.
    {"x", "missing", "  dflt  ", 64, 6, std::string("  dflt\0", 7)},
    {"x", "missing", "  ", 64, 1, std::string(" \0", 2)},
    {"x", "missing", "\"qd\"", 64, 2, std::string("qd\0", 3)},
    {"x", "missing", nullptr, 64, 0, std::string("\0", 1)},
    {"nosuch", "missing", "dd", 64, 2, std::string("dd\0", 3)},
    // A buffer too small: cut to size - 1; a quoted value loses one more character.
    {"comm", "KEY1", "d", 3, 2, std::string("qu\0", 3)},
    {"comm", "KEY1", "d", 6, 5, std::string("quote\0", 6)},
    {"comm", "KEY1", "d", 7, 5, std::string("quote\0", 6)},
    {"comm", "KEY1", "d", 1, 0, std::string("\0", 1)},
    {"x", "q3", "d", 3, 1, std::string("a\0", 2)},
    {"x", "q3", "d", 4, 2, std::string("ab\0", 3)},
    {"x", "missing", "abcdef", 4, 3, std::string("abc\0", 4)},
    // GBK: a ']' or a letter inside a two-byte character is part of that character.
    {"\x81", "k6", "d", 64, 1, std::string("d\0", 2)},
    {"t", "k6", "d", 64, 1, std::string("6\0", 2)},
    {"gbk", "\x81\x41", "d", 64, 5, std::string("upper\0", 6)},
    {"gbk", "\x81\x61", "d", 64, 1, std::string("d\0", 2)},
    // Lists: names each ended by NUL, then one more NUL; cut short, size - 2.
    {nullptr, nullptr, "d", 200, 29, std::string("Comm\0comm\0sp\0x\0a]b\0g\0h\0t\0gbk\0\0", 30)},
    {"comm", nullptr, "d", 100, 10, std::string("Key1\0key1\0\0", 11)},
    {"x", nullptr, "d", 100, 23, std::string("b\0c\0e\0q1\0q2\0q3\0q4\0lead\0\0", 24)},
    {"none", nullptr, "dd", 100, 2, std::string("dd\0", 3)},
    {nullptr, nullptr, "d", 8, 6, std::string("Comm\0c\0", 7)},
    {"x", nullptr, "d", 8, 6, std::string("b\0c\0e\0\0", 7)},
};

inline const std::string kNumbers =
    "[n]\r\na=12abc\r\nb=-7\r\nc=+5\r\nd=0x1A\r\ne=abc\r\nf=\r\ng=\"42\"\r\nh=4294967295\r\n"
    "i=99999999999\r\nj= - 3\r\nk=0X10\r\nl=0b101\r\nm=007\r\nn=\xB2\xE2\r\no=\"\"\r\np=\"  7\"\r\n"
    "q=0x\r\nr=-\r\ns=  0b2\r\nt=0o17\r\n";

struct IntCase {
    const char* key;
    int defaultValue;
    int expected;
};

inline const IntCase kIntCases[] = {
    {"a", 77, 12},         // digits up to the first non-digit
    {"b", 77, -7},         {"c", 77, 5},  // a leading sign
    {"d", 77, 26},         // "0x" reads hexadecimal
    {"e", 77, 0},          // no digits at all
    {"f", 77, 77},         // empty value: the default
    {"g", 77, 42},         // quotes removed first
    {"h", 77, -1},         // wraps as an unsigned 32-bit value
    {"i", 77, 1215752191}, {"j", 77, 0},   {"k", 77, 0}, {"l", 77, 5},   {"m", 77, 7},
    {"n", 77, 0},          {"o", 77, 77},  {"p", 77, 7}, {"q", 77, 0},   {"r", 77, 0},
    {"s", 77, 0},          {"t", 77, 15},  {"zz", 77, 77}, {"zz", -3, -3},
};

// GBK "视频1" under GBK names: cut results keep whole characters only.
inline const std::string kGbkFile = "[\xCA\xD3\xC6\xB5]\r\n\xC3\xFB=\xCA\xD3\xC6\xB5\x31\r\n";

// The write cases use files laid out as the platform writes them (CRLF, "key=value", no blank
// lines): there Windows' in-place edit and Wine's rewriting of the whole file give the same bytes.
// A step of a write case: the call, its result and the whole file afterwards (null: no file).
struct WriteStep {
    const char* section;
    const char* key;
    const char* value;
    int result;
    const char* fileAfter;
};

struct WriteCase {
    const char* name;
    const char* initial;  // null: the file does not exist
    WriteStep steps[7];
};

inline const WriteCase kWriteCases[] = {
    {"edit",
     "[a]\r\nx=1\r\n[b]\r\ny=2\r\n[c]\r\n;cmt\r\nz=3\r\n",
     {{"a", "new", "v", 1, "[a]\r\nx=1\r\nnew=v\r\n[b]\r\ny=2\r\n[c]\r\n;cmt\r\nz=3\r\n"},
      {"B", "Y", "  22", 1, "[a]\r\nx=1\r\nnew=v\r\n[b]\r\ny=22\r\n[c]\r\n;cmt\r\nz=3\r\n"},
      {"d", "k", "\xCA\xD3", 1, "[a]\r\nx=1\r\nnew=v\r\n[b]\r\ny=22\r\n[c]\r\n;cmt\r\nz=3\r\n[d]\r\nk=\xCA\xD3\r\n"},
      {"a", "x", nullptr, 1, "[a]\r\nnew=v\r\n[b]\r\ny=22\r\n[c]\r\n;cmt\r\nz=3\r\n[d]\r\nk=\xCA\xD3\r\n"},
      {"b", nullptr, nullptr, 1, "[a]\r\nnew=v\r\n[c]\r\n;cmt\r\nz=3\r\n[d]\r\nk=\xCA\xD3\r\n"},
      {"nosec", "k", nullptr, 1, "[a]\r\nnew=v\r\n[c]\r\n;cmt\r\nz=3\r\n[d]\r\nk=\xCA\xD3\r\n"},
      {}}},
    {"gbk",
     "[application]\r\nrecentfilename=D:\\\xB3\xA1\xBE\xB0\\\xD2\xBB.tzs\r\n[CVBS_Matrix]\r\ninput1=\xCA\xD3\xC6\xB5\xD2\xBB\r\n",
     {{"application", "recentfilename", "E:\\\xB6\xFE.tzs", 1,
       "[application]\r\nrecentfilename=E:\\\xB6\xFE.tzs\r\n[CVBS_Matrix]\r\ninput1=\xCA\xD3\xC6\xB5\xD2\xBB\r\n"},
      {"CVBS_Matrix", "input2", "\xCA\xD3\xC6\xB5\xB6\xFE", 1,
       "[application]\r\nrecentfilename=E:\\\xB6\xFE.tzs\r\n[CVBS_Matrix]\r\ninput1=\xCA\xD3\xC6\xB5\xD2\xBB\r\ninput2=\xCA\xD3\xC6\xB5\xB6\xFE\r\n"},
      {}}},
    {"create", nullptr,
     {{"s", "k", nullptr, 1, nullptr},
      {"s", "k", "v", 1, "[s]\r\nk=v\r\n"},
      {}}},
    {"noeol", "[a]\r\nx=1",
     {{"a", "y", "2", 1, "[a]\r\nx=1\r\ny=2\r\n"}, {}}},
    {"noeolnew", "[a]\r\nx=1",
     {{"c", "z", "3", 1, "[a]\r\nx=1\r\n[c]\r\nz=3\r\n"}, {}}},
    {"same", "top=1\r\n[a]\r\nx=1\r\n",
     {{"a", "x", "1", 1, "top=1\r\n[a]\r\nx=1\r\n"}, {}}},
    {"dupsection", "[a]\r\nx=1\r\n[A]\r\ny=2\r\n",
     {{"a", "y", "9", 1, "[a]\r\nx=1\r\ny=9\r\n[A]\r\ny=2\r\n"}, {}}},
    {"emptyatend", "[a]\r\nx=1\r\n[b]\r\n",
     {{"b", "k", "v", 1, "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"}, {}}},
    {"aftercomment", "[a]\r\nx=1\r\n;tail comment\r\n[b]\r\n",
     {{"a", "k", "v", 1, "[a]\r\nx=1\r\n;tail comment\r\nk=v\r\n[b]\r\n"}, {}}},
    {"unnamed", nullptr,
     {{"", "top", "1", 1, "top=1\r\n"},
      {"s", "k", "v", 1, "top=1\r\n[s]\r\nk=v\r\n"},
      {"", "t2", "2", 1, "top=1\r\nt2=2\r\n[s]\r\nk=v\r\n"},
      {}}},
    {"names", "[S]\r\nKey=1\r\n",
     {{" s ", " key ", "2", 1, "[S]\r\nKey=2\r\n"},
      {"s", "NewKey", "", 1, "[S]\r\nKey=2\r\nNewKey=\r\n"},
      {" s ", "key", nullptr, 1, "[S]\r\nKey=2\r\nNewKey=\r\n"},
      {" s ", nullptr, nullptr, 1, "[S]\r\nKey=2\r\nNewKey=\r\n"},
      {"S", "newkey", nullptr, 1, "[S]\r\nKey=2\r\n"},
      {nullptr, "k", "v", 0, "[S]\r\nKey=2\r\n"},
      {}}},
    {"quoted", "[s]\r\nk=1\r\n[t]\r\nj=2\r\n",
     {{"t", nullptr, nullptr, 1, "[s]\r\nk=1\r\n"},
      {"s", "k", "  \"q\"  ", 1, "[s]\r\nk=\"q\"  \r\n"},
      {}}},
};

// A file as people write it (LF line ends, blank lines, spaces around '=', comments); a
// write must leave every key reading as before apart from the one it changes.
inline const std::string kLooseFile =
    "; wall settings\n\n[application]\n  mpdnums = 3 \n\ncells = 2x2\n\n\n[manuset]\nwidth=10\n; end\n";

}  // namespace profilecases
