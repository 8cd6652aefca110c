#pragma once
#include "Ui/texts/Text.h"

#include <cstdint>
#include <vector>

class cPicture;

// A short-lived text effect: a text with an optional icon that travels along a polyline at a
// constant speed while its alpha follows a piecewise-linear curve over the travelled fraction.
// At the end it calls its completion callback once and discards itself, icon and letters with it.
class cFlyText : public cText {
public:
    // The argument is pointer-sized, so a caller may pass an object as well as a number.
    using fCallback = void (*)(std::uintptr_t _argument);

    struct sPositionPoint {
        Float x = 0, y = 0;
        // Path length up to this point.
        Float start = 0;
        // Unit vector towards the next point; zero for the last point and for repeated points.
        Float directionX = 0, directionY = 0;
    };
    struct sAlphaPoint {
        Float alpha = 0;
        // Fraction of the path, 0..1.
        Float distance = 0;
        // The next point's alpha minus this one's.
        Float delta = 0;
    };

    // Loads the effect from the XML file at _xml_path unless it is empty.
    cFlyText(cView* _parent, const String& _xml_path);
    // The icon is an owned child; a copy would share it.
    cFlyText(const cFlyText&) = delete;

    // The text's own attributes, then the child "Icon", "Speed", the children of
    // "PositionPoints" ("position") and of "AlphaPoints" ("alpha", "distance"). A path of fewer
    // than two points or of no length, fewer than two alpha points, a first alpha gap of no
    // width that the effect would reach, or a speed not above zero are refused.
    void loadXML(iXML* _xml_doc) override;
    void process() override;

    // The icon takes the look.
    void setIcon(const cState& _look);
    // Moves the whole path by _by: a path written around (0, 0) then starts where it is wanted.
    void shiftPath(const Vector2& _by);
    // Moves to the end of the path, calls the callback once and discards the effect.
    void finish();

    void setCallback(fCallback _callback, std::uintptr_t _argument);
    Float getSpeed() const { return m_speed; }
    Float getDistance() const { return m_distance; }
    Float getTravelled() const { return m_travelled; }
    cPicture* getIcon() const { return m_icon; }

private:
    void loadPositionPoints(iXML* _xml_doc);
    void loadAlphaPoints(iXML* _xml_doc);
    void moveAlongPath();
    Float followAlphaCurve();

    Float m_speed = 50.0f;
    Float m_distance = 0;
    Float m_travelled = 0;
    UInt m_positionIndex = 1;
    UInt m_alphaIndex = 1;
    fCallback m_callback = nullptr;
    std::uintptr_t m_callbackArgument = 0;
    std::vector<sPositionPoint> m_positionPoints;
    std::vector<sAlphaPoint> m_alphaPoints;
    cPicture* m_icon = nullptr;
};
