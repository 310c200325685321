#pragma once
// The range rule of the records' number setters: a value outside lo..hi is
// refused and the field keeps its old value.
namespace v3 {

inline bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

template <typename T>
bool SetIn(T& field, int v, int lo, int hi) {
    if (!InRange(v, lo, hi)) return false;
    field = T(v);
    return true;
}

}  // namespace v3
