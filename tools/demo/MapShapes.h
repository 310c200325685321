#pragma once
// Country outlines for the demo maps (see MapShapes.cpp and make_map_shapes.py).
namespace v3::demo {

struct ShapeRing {
    int region;  // index into kShapeRegionNames
    int points;  // points of the ring in kShapePoints, rings one after the other
};

extern const char* const kShapeRegionNames[];
extern const int kShapeRegionCount;
extern const ShapeRing kShapeRings[];
extern const int kShapeRingCount;
extern const char kShapePoints[];

}  // namespace v3::demo
