#include "app/shell/dialogs/DialogRules.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace dlgrules {

bool ReadNumber(const char* text, int maxChars, int* value)
{
    *value = 0;
    if (text == nullptr)
        return true;
    const std::size_t length = std::strlen(text);
    const std::size_t end = maxChars > 0 && static_cast<std::size_t>(maxChars) < length
                                ? static_cast<std::size_t>(maxChars)
                                : length;
    std::size_t i = 0;
    while (i < end && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            return false;
    }
    *value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

bool StepValid(const char* text, int* step)
{
    int value = 0;
    if (text == nullptr || *text == '\0' || !ReadNumber(text, STEP_CHARS, &value))
        return false;
    *step = value;
    return value >= STEP_MIN && value <= STEP_MAX;
}

bool CycleAllowed(int first, int last, const char* interval, int* seconds)
{
    if (first < 0 || last < 0 || first >= last)
        return false;
    int value = 0;
    if (interval == nullptr || *interval == '\0' || !ReadNumber(interval, 0, &value))
        return false;
    *seconds = value;
    return value >= 1 && value < INTERVAL_LIMIT;
}

int PresetCycle::Start(int first, int last)
{
    m_nFirst = first;
    m_nLast = last;
    m_nNext = first;
    return Next();
}

int PresetCycle::Next()
{
    if (m_nNext > m_nLast)
        m_nNext = m_nFirst;
    return m_nNext++;
}

bool ClockYearValid(int year) { return year >= 2000 && year <= 2099; }

int DemoPeriodSeconds(const char* text)
{
    if (text == nullptr)
        return 0;
    if (std::strcmp(text, "30秒") == 0)
        return 30;
    for (int minutes : {5, 10, 20, 40, 80, 160}) {
        char expected[16];
        std::snprintf(expected, sizeof(expected), "%d分", minutes);
        if (std::strcmp(text, expected) == 0)
            return minutes * 60;
    }
    return 0;
}

void BoardRange(int mpdCount, int columns, int rows, int* first, int* last)
{
    *first = mpdCount + 1;
    *last = *first + columns * rows - 1;
}

bool PanelValueValid(const char* text, int* value)
{
    return ReadNumber(text, 0, value) && *value >= 0 && *value <= PANEL_VALUE_MAX;
}

bool BoardValid(const char* text, int first, int last, int* board)
{
    return ReadNumber(text, 0, board) && *board >= first && *board <= last;
}

bool FactorySendAllowed(const char* const values[PANEL_VALUES], const char* boardFrom, const char* boardTo,
                        int firstBoard, int lastBoard)
{
    int value = 0;
    for (int i = 0; i < PANEL_VALUES; ++i)
        if (!PanelValueValid(values[i], &value))
            return false;
    return BoardValid(boardFrom, firstBoard, lastBoard, &value) && BoardValid(boardTo, firstBoard, lastBoard, &value);
}

void PanelBlock(const int values[PANEL_VALUES], unsigned char block[PANEL_BLOCK_BYTES])
{
    for (int i = 0; i < PANEL_VALUES; ++i) {
        block[2 * i] = static_cast<unsigned char>((values[i] >> 8) & 0xFF);
        block[2 * i + 1] = static_cast<unsigned char>(values[i] & 0xFF);
    }
}

}  // namespace dlgrules
