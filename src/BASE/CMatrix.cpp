// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMatrix.h"

#include <cstdlib>
#include <syslog.h>

CMatrix& CMatrix::init()
{
    for (auto& row : m)
        for (double& e : row) e = 0.0;
    return *this;
}

CMatrix& CMatrix::copyFrom(const CMatrix& a)
{
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) m[r][c] = a.getRC(r, c);
    return *this;
}

CMatrix& CMatrix::identity()
{
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) m[r][c] = (r == c) ? 1.0 : 0.0;
    return *this;
}

CMatrix& CMatrix::random()
{
    for (auto& row : m)
        for (double& e : row) e = static_cast<double>(::random()) / 2147483647.0;
    return *this;
}

void CMatrix::LOG() const
{
    for (const auto& row : m) syslog(LOG_DEBUG, "x = %e, y = %e, z = %e", row[0], row[1], row[2]);
}

CMatrix& CMatrix::setXYZ(double m00, double m01, double m02, double m10, double m11, double m12,
                         double m20, double m21, double m22)
{
    m[0][0] = m00; m[0][1] = m01; m[0][2] = m02;
    m[1][0] = m10; m[1][1] = m11; m[1][2] = m12;
    m[2][0] = m20; m[2][1] = m21; m[2][2] = m22;
    return *this;
}

CMatrix& CMatrix::equalsMul(const CMatrix& a, const CMatrix& b)
{
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 3; j++) {
            double sum = 0.0;
            for (int k = 0; k < 3; k++) sum += a.m[i][k] * b.m[k][j];
            m[i][j] = sum;
        }
    return *this;
}

CMatrix& CMatrix::inverseTo(CMatrix& out)
{
    out.identity();
    for (int col = 0; col < 3; col++) {
        double pivotInverse = 1.0 / m[col][col];
        for (int c = 0; c < 3; c++) {
            m[col][c] *= pivotInverse;
            out.m[col][c] *= pivotInverse;
        }
        for (int r = 0; r < 3; r++) {
            if (r == col) continue;
            double factor = m[r][col];
            for (int c = 0; c < 3; c++) {
                m[r][c] -= factor * m[col][c];
                out.m[r][c] -= factor * out.m[col][c];
            }
        }
    }
    return out;
}
