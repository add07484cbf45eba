// SPDX-License-Identifier: GPL-3.0-or-later
// The viewpoint on a sphere round the box centre and its perspective projection.
#pragma once

#include "CMatrix.h"
#include "CVector.h"

// A projected point in drawing coordinates: x to the right, y up, relative to
// the projection of the box centre.
struct CPoint {
    float x = 0.0f;
    float y = 0.0f;
};

class CView {
public:
    double phi = 0.0;
    double theta = 0.0;
    double eyeR = 0.0;
    double eyePlaneR = 0.0;
    double pScale = 0.0;
    CMatrix rotation;
    CVector eye;
    CVector tVector;

    CView& initWithDefaults();
    void calculateEyeVector();
    void setView(double newPhi, double newTheta, double newEyeR, double newEyePlaneR, double scale);
    void setAngles(double newPhi, double newTheta);
    void changeAngles(double dphi, double dtheta);
    double getPhi() const { return phi; }
    void setPhi(double p) { phi = p; calculateEyeVector(); }
    double getTheta() const { return theta; }
    void setTheta(double t) { theta = t; calculateEyeVector(); }
    double getEyeR() const { return eyeR; }
    void setEyeR(double r) { eyeR = r; calculateEyeVector(); }
    double getEyePlaneR() const { return eyePlaneR; }
    void setEyePlaneR(double r) { eyePlaneR = r; }
    double getScale() const { return pScale; }
    void setScale(double s) { pScale = s; }
    const CVector& getEye() const { return eye; }
    CVector& getRotationRowTo(int row, CVector& out) const { return rotation.copyRowTo(row, out); }

    CPoint project(const CVector& p)
    {
        rotation.mulvTo(p, tVector);
        double f = eyePlaneR / std::fabs(eyeR - tVector.v[2]);
        CPoint out;
        out.x = static_cast<float>(f * tVector.v[0] * pScale);
        out.y = static_cast<float>(tVector.v[1] * f * pScale);
        return out;
    }
};
