// SPDX-License-Identifier: GPL-3.0-or-later
// Vectors, matrices and the viewpoint's projection.
#include <gtest/gtest.h>

#include <cmath>

#include "BASE/CMatrix.h"
#include "BASE/CVector.h"
#include "BASE/CView.h"

TEST(Vector, ZeroLengthAndZeroDivisorAreRefusedAndLeaveTheVector)
{
    CVector v;
    EXPECT_EQ(v.normalize(), nullptr);
    EXPECT_EQ(v.norm(), 0.0);
    CVector w(1, 2, 3);
    EXPECT_EQ(w.divs(0.0), nullptr);
    EXPECT_EQ(w.getY(), 2.0);
    CVector out(7, 7, 7);
    EXPECT_EQ(out.equalsNormalized(CVector()), nullptr);
    EXPECT_EQ(out.getX(), 7.0);
    EXPECT_EQ(out.equalsDivs(w, 0.0), nullptr);
    EXPECT_EQ(out.getZ(), 7.0);
}

TEST(Vector, ArithmeticFollowsItsNamingRule)
{
    CVector v(0, 1, -2);
    v.negate();
    EXPECT_TRUE(std::signbit(v.getX()));
    EXPECT_EQ(v.getY(), -1.0);
    EXPECT_EQ(v.getZ(), 2.0);

    CVector a(0.25, 2, -1), b;
    b.equalsSubfs(a, 1.0);
    EXPECT_EQ(b.getX(), 0.75);
    EXPECT_EQ(b.getY(), -1.0);
    EXPECT_EQ(b.getZ(), 2.0);
    EXPECT_EQ(a.getX(), 0.25);  // the argument is untouched
    a.subfs(1.0);
    EXPECT_EQ(a.getZ(), 2.0);

    CVector c(1, 2, 2);
    EXPECT_EQ(c.norm(), 9.0);
    EXPECT_EQ(c.length(), 3.0);

    CVector x(1, 0, 0), y(0, 1, 0), z;
    z.equalsCross(x, y);
    EXPECT_EQ(z.getZ(), 1.0);
    EXPECT_EQ(&c.copyTo(z), &c);
}

TEST(Vector, DivisionIsByTheReciprocal)
{
    CVector v(1, 1, 1);
    v.divs(3.0);
    EXPECT_EQ(v.getX(), 1.0 * (1.0 / 3.0));
}

TEST(Vector, RandomDrawsStayInTheirRanges)
{
    CVector v;
    for (int k = 0; k < 2000; k++) {
        v.unitVectorRandomInUnitBox();
        for (int axis = 0; axis < 3; axis++) {
            EXPECT_GE(v.getIndex(axis), -1.0);
            EXPECT_LE(v.getIndex(axis), 1.0);
        }
        v.unitVectorRandom();
        EXPECT_NEAR(v.length(), 1.0, 1e-12);
    }
}

TEST(Matrix, ProductsInverseAndRows)
{
    CMatrix a, inverse, product, copy;
    a.setXYZ(2, 1, 0, 1, 3, 1, 0, 1, 4);
    copy.copyFrom(a);
    CMatrix& out = copy.inverseTo(inverse);
    EXPECT_EQ(&out, &inverse);
    product.equalsMul(a, inverse);
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) EXPECT_NEAR(product.getRC(r, c), r == c ? 1.0 : 0.0, 1e-12);

    CVector row;
    EXPECT_EQ(&a.copyRowTo(1, row), &row);
    EXPECT_EQ(row.getY(), 3.0);
    CVector in(1, 1, 1), result;
    a.mulvTo(in, result);
    EXPECT_EQ(result.getX(), 3.0);
    EXPECT_EQ(result.getY(), 5.0);
    EXPECT_EQ(result.getZ(), 5.0);
}

TEST(View, DefaultsLookAlongXWithZUp)
{
    CView view;
    view.initWithDefaults();
    CVector row;
    view.getRotationRowTo(0, row);
    EXPECT_EQ(row.getX(), 0.0);
    EXPECT_EQ(row.getY(), 1.0);
    view.getRotationRowTo(1, row);
    EXPECT_NEAR(row.getX(), 0.0, 1e-16);
    EXPECT_EQ(row.getZ(), 1.0);
    view.getRotationRowTo(2, row);
    EXPECT_EQ(row.getX(), 1.0);
    EXPECT_EQ(view.getEye().getX(), 25.0);

    CPoint origin = view.project(CVector(0, 0, 0));
    EXPECT_EQ(origin.x, 0.0f);
    EXPECT_EQ(origin.y, 0.0f);
    CPoint up = view.project(CVector(0, 0, 1));
    EXPECT_FLOAT_EQ(up.y, 16.0f);
    // Nearer the eye, the same offset is drawn larger.
    CPoint nearer = view.project(CVector(12.5, 0, 1));
    EXPECT_FLOAT_EQ(nearer.y, 32.0f);
}

TEST(View, AnglesWrapOnceAndClampAtThePoles)
{
    CView view;
    view.initWithDefaults();
    view.setAngles(6.2, 3.0);
    view.changeAngles(0.2, 0.5);
    EXPECT_NEAR(view.getPhi(), 6.4 - 2 * M_PI, 1e-12);
    EXPECT_EQ(view.getTheta(), M_PI);
    view.changeAngles(0.0, -4.0);
    EXPECT_EQ(view.getTheta(), 0.0);
    view.setAngles(-1.0, 1.0);
    EXPECT_EQ(view.getPhi(), -1.0);
}

TEST(View, PlaneDistanceAndScaleChangeOnlyTheProjection)
{
    CView view;
    view.initWithDefaults();
    CVector eyeBefore = view.getEye();
    view.setEyePlaneR(2.0);
    view.setScale(800.0);
    EXPECT_EQ(view.getEye().getX(), eyeBefore.getX());
    EXPECT_FLOAT_EQ(view.project(CVector(0, 0, 1)).y, 64.0f);
}
