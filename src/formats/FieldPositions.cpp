#include "formats/FieldPositions.h"

#include <algorithm>
#include <array>

namespace {

struct FieldSlot {
    int number;
    int FieldPositions::*member;
    int maximum;
};

constexpr std::array<FieldSlot, 18> kSlots{{
    {1, &FieldPositions::wordsLine1X, 99},
    {2, &FieldPositions::wordsLine2X, 99},
    {3, &FieldPositions::beneficiaryX, 99},
    {4, &FieldPositions::figuresX, 170},
    {5, &FieldPositions::placeX, 170},
    {6, &FieldPositions::dateX, 170},
    {7, &FieldPositions::wordsLine1Y, 70},
    {8, &FieldPositions::wordsLine2Y, 70},
    {9, &FieldPositions::beneficiaryY, 70},
    {10, &FieldPositions::figuresY, 70},
    {11, &FieldPositions::placeY, 70},
    {12, &FieldPositions::dateY, 70},
    {13, &FieldPositions::wordsLine1Length, 170},
    {14, &FieldPositions::wordsLine2Length, 170},
    {15, &FieldPositions::wordsLine3Length, 170},
    {16, &FieldPositions::beneficiaryLength, 170},
    {30, &FieldPositions::wordsLine3X, 99},
    {31, &FieldPositions::wordsLine3Y, 70},
}};

constexpr std::array<int, 18> kNumbers{1,  2,  3,  4,  5,  6,  7,  8,  9,
                                       10, 11, 12, 13, 14, 15, 16, 30, 31};

const FieldSlot* slot(int n) {
    const auto found = std::find_if(kSlots.begin(), kSlots.end(),
                                    [n](const FieldSlot& s) { return s.number == n; });
    return found == kSlots.end() ? nullptr : &*found;
}

// Horizontal and vertical field numbers of each printed element.
struct ElementFields {
    int x;
    int y;
};

ElementFields fieldsOf(ChequeField element) {
    switch (element) {
    case ChequeField::WordsLine1:
        return {1, 7};
    case ChequeField::WordsLine2:
        return {2, 8};
    case ChequeField::WordsLine3:
        return {30, 31};
    case ChequeField::Beneficiary:
        return {3, 9};
    case ChequeField::Figures:
        return {4, 10};
    case ChequeField::Place:
        return {5, 11};
    case ChequeField::Date:
        return {6, 12};
    }
    return {0, 0};
}

} // namespace

std::span<const int> FieldPositions::allFieldNumbers() {
    return kNumbers;
}

bool FieldPositions::isFieldNumber(int n) {
    return slot(n) != nullptr;
}

int FieldPositions::maximum(int n) {
    const FieldSlot* s = slot(n);
    return s ? s->maximum : 0;
}

int FieldPositions::field(int n) const {
    const FieldSlot* s = slot(n);
    return s ? this->*(s->member) : 0;
}

void FieldPositions::setField(int n, int value) {
    if (const FieldSlot* s = slot(n))
        this->*(s->member) = std::clamp(value, 0, s->maximum);
}

int FieldPositions::x(ChequeField element) const {
    return field(fieldsOf(element).x);
}

int FieldPositions::y(ChequeField element) const {
    return field(fieldsOf(element).y);
}
