// SPDX-License-Identifier: GPL-3.0-or-later
// 3x3 matrix of doubles stored row by row; the view rotation.
#pragma once

#include "CVector.h"

class CMatrix {
public:
    double m[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};

    CMatrix& init();
    CMatrix& copyFrom(const CMatrix& a);
    CVector& copyRowTo(int row, CVector& out) const
    {
        out.setXYZ(m[row][0], m[row][1], m[row][2]);
        return out;
    }
    CMatrix& identity();
    CMatrix& random();
    void LOG() const;
    double getRC(int row, int column) const { return m[row][column]; }
    void setRC(int row, int column, double d) { m[row][column] = d; }
    CMatrix& setXYZ(double m00, double m01, double m02, double m10, double m11, double m12,
                    double m20, double m21, double m22);
    // a and b must not be the receiver.
    CMatrix& equalsMul(const CMatrix& a, const CMatrix& b);
    // out must differ from a.
    CVector& mulvTo(const CVector& a, CVector& out) const
    {
        for (int i = 0; i < 3; i++)
            out.v[i] = m[i][0] * a.v[0] + m[i][1] * a.v[1] + m[i][2] * a.v[2];
        return out;
    }
    // Gauss-Jordan without pivoting; reduces the receiver in place.
    CMatrix& inverseTo(CMatrix& out);
};
