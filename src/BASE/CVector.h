// SPDX-License-Identifier: GPL-3.0-or-later
// Three-component vector of doubles, updated in place so that nothing is
// created inside the simulation loop. Operations named equals... compute into
// the receiver from their arguments; the others act on the receiver.
#pragma once

#include <cmath>

class CVector {
public:
    double v[3] = {0.0, 0.0, 0.0};

    CVector() = default;
    CVector(double x, double y, double z) : v{x, y, z} {}

    CVector& init() { v[0] = v[1] = v[2] = 0.0; return *this; }
    CVector& copyFrom(const CVector& a) { v[0] = a.v[0]; v[1] = a.v[1]; v[2] = a.v[2]; return *this; }
    CVector& copyTo(CVector& out) { out.v[0] = v[0]; out.v[1] = v[1]; out.v[2] = v[2]; return *this; }

    double getX() const { return v[0]; }
    double getY() const { return v[1]; }
    double getZ() const { return v[2]; }
    void setX(double x) { v[0] = x; }
    void setY(double y) { v[1] = y; }
    void setZ(double z) { v[2] = z; }
    void setXYZ(double x, double y, double z) { v[0] = x; v[1] = y; v[2] = z; }
    double getIndex(int i) const { return v[i]; }
    void setIndex(int i, double d) { v[i] = d; }

    double norm() const { return v[0] * v[0] + v[1] * v[1] + v[2] * v[2]; }
    double length() const { return std::sqrt(norm()); }

    // nullptr when the length is exactly zero; the vector is then unchanged.
    CVector* normalize()
    {
        double len = length();
        if (len == 0.0) return nullptr;
        return &muls(1.0 / len);
    }
    CVector* equalsNormalized(const CVector& a)
    {
        double len = a.length();
        if (len == 0.0) return nullptr;
        return &equalsMuls(a, 1.0 / len);
    }

    CVector& equalsAveraged(const CVector& a, const CVector& b)
    {
        v[0] = (a.v[0] + b.v[0]) * 0.5; v[1] = (a.v[1] + b.v[1]) * 0.5; v[2] = (a.v[2] + b.v[2]) * 0.5;
        return *this;
    }
    CVector& equalsNegated(const CVector& a) { v[0] = -a.v[0]; v[1] = -a.v[1]; v[2] = -a.v[2]; return *this; }
    CVector& negate() { v[0] = -v[0]; v[1] = -v[1]; v[2] = -v[2]; return *this; }

    CVector& equalsAdds(const CVector& a, double s) { v[0] = a.v[0] + s; v[1] = a.v[1] + s; v[2] = a.v[2] + s; return *this; }
    CVector& adds(double s) { v[0] += s; v[1] += s; v[2] += s; return *this; }
    CVector& equalsAdd(const CVector& a, const CVector& b) { v[0] = a.v[0] + b.v[0]; v[1] = a.v[1] + b.v[1]; v[2] = a.v[2] + b.v[2]; return *this; }
    CVector& add(const CVector& a) { v[0] += a.v[0]; v[1] += a.v[1]; v[2] += a.v[2]; return *this; }

    CVector& equalsSubs(const CVector& a, double s) { v[0] = a.v[0] - s; v[1] = a.v[1] - s; v[2] = a.v[2] - s; return *this; }
    CVector& equalsSubfs(const CVector& a, double s) { v[0] = s - a.v[0]; v[1] = s - a.v[1]; v[2] = s - a.v[2]; return *this; }
    CVector& subs(double s) { v[0] -= s; v[1] -= s; v[2] -= s; return *this; }
    CVector& subfs(double s) { v[0] = s - v[0]; v[1] = s - v[1]; v[2] = s - v[2]; return *this; }
    CVector& equalsSub(const CVector& a, const CVector& b) { v[0] = a.v[0] - b.v[0]; v[1] = a.v[1] - b.v[1]; v[2] = a.v[2] - b.v[2]; return *this; }
    CVector& sub(const CVector& a) { v[0] -= a.v[0]; v[1] -= a.v[1]; v[2] -= a.v[2]; return *this; }

    CVector& equalsMuls(const CVector& a, double s) { v[0] = a.v[0] * s; v[1] = a.v[1] * s; v[2] = a.v[2] * s; return *this; }
    CVector& muls(double s) { v[0] *= s; v[1] *= s; v[2] *= s; return *this; }

    // Division is a multiplication by the reciprocal, computed once;
    // nullptr (and nothing changed) when the divisor is exactly zero.
    CVector* equalsDivs(const CVector& a, double s)
    {
        if (s == 0.0) return nullptr;
        return &equalsMuls(a, 1.0 / s);
    }
    CVector* divs(double s)
    {
        if (s == 0.0) return nullptr;
        return &muls(1.0 / s);
    }

    double dot(const CVector& a) const { return v[0] * a.v[0] + v[1] * a.v[1] + v[2] * a.v[2]; }
    // a and b must not be the receiver.
    CVector& equalsCross(const CVector& a, const CVector& b)
    {
        v[0] = a.v[1] * b.v[2] - a.v[2] * b.v[1];
        v[1] = a.v[2] * b.v[0] - a.v[0] * b.v[2];
        v[2] = a.v[0] * b.v[1] - a.v[1] * b.v[0];
        return *this;
    }

    CVector& unitVectorRandom();
    CVector& unitVectorRandomWithSeed();
    CVector& unitVectorRandomInUnitBox();
    static void initRandomSeed();
    void LOG() const;
};
