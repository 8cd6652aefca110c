#pragma once
#include "engine/Types.h"

class iXML;

// A time of the game clock. Data files write it "h:m:s"; times order by hours, then minutes,
// then seconds, as written, whatever their values in seconds.
struct sTimeObject {
    UInt hours = 0;
    UInt minutes = 0;
    UInt seconds = 0;

    Float toSeconds() const { return Float(hours) * 3600.0f + Float(minutes) * 60.0f + Float(seconds); }
    // Whole hours, minutes and seconds of _t, the fraction dropped.
    void setSeconds(Float _t);
    // "hh:mm:ss", or "mm:ss" with _noHours; parts below 10 get a leading zero.
    WString toString(Bool _noHours) const;
    // Three unsigned decimal numbers joined by ":"; anything else (a missing attribute too)
    // raises "Invalid time format".
    void loadXML(iXML* _node, const char16_t* _attribute);

    Bool operator<(const sTimeObject& _other) const;
    Bool operator==(const sTimeObject& _other) const;
};
