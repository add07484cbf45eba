// SPDX-License-Identifier: GPL-3.0-or-later
#include "CView.h"

#include <cmath>

CView& CView::initWithDefaults()
{
    phi = 0.0;
    theta = 0.5 * M_PI;
    eyeR = 25.0;
    eyePlaneR = 1.0;
    pScale = 400.0;
    rotation.init();
    eye.init();
    calculateEyeVector();
    tVector.init();
    return *this;
}

void CView::calculateEyeVector()
{
    double sp = std::sin(phi), cp = std::cos(phi);
    double st = std::sin(theta), ct = std::cos(theta);
    rotation.setXYZ(-sp, cp, 0.0,
                    -cp * ct, -sp * ct, st,
                    st * cp, st * sp, ct);
    rotation.copyRowTo(2, eye);
    eye.muls(eyeR);
}

void CView::setView(double newPhi, double newTheta, double newEyeR, double newEyePlaneR, double scale)
{
    phi = newPhi;
    theta = newTheta;
    eyeR = newEyeR;
    eyePlaneR = newEyePlaneR;
    pScale = scale;
    calculateEyeVector();
}

void CView::setAngles(double newPhi, double newTheta)
{
    phi = newPhi;
    theta = newTheta;
    calculateEyeVector();
}

void CView::changeAngles(double dphi, double dtheta)
{
    phi += dphi;
    theta += dtheta;
    if (phi > 2.0 * M_PI) phi -= 2.0 * M_PI;
    else if (phi < 0.0) phi += 2.0 * M_PI;
    if (theta > M_PI) theta = M_PI;
    else if (theta < 0.0) theta = 0.0;
    calculateEyeVector();
}
