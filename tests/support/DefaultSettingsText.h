#pragma once

// The settings lines of a new document, as every file written with the
// defaults ends: the writer's tests and the document's both hold to it.

namespace ornival::testing {

inline constexpr const char* defaultSettingsLines =
    "shapeColor: FFFFFFFF\n"
    "shapeFactor: 1.0\n"
    "shapeRadiusLimit: 1.0\n"
    "borderColor: 000000FF,FFFFFFFF,000000FF\n"
    "borderWidth: 2.0,0.0,0.0\n"
    "borderFactor: 1.0\n"
    "borderRadiusLimit: 1.0\n"
    "backgroundColor: 1A4DCC00\n"
    "scale: 20.0\n"
    "rotation: 0.0\n"
    "crossings: 0\n"
    "displayMode: 2\n"
    "metalness: 0.5\n"
    "roughness: 0.5\n"
    "lightAngle: 0.0,0.0,0.0\n"
    "ambientColor: 999999FF\n"
    "surfaceZscale: 1.0\n"
    "surfaceRoundness: 1.0\n"
    "ripple: 0.0\n"
    "rippleScale: 0.0\n";

}  // namespace ornival::testing
