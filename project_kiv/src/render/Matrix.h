#pragma once
// Matrix: a 4x4 float matrix in OpenGL's column-major layout (element of row
// r and column c at index 4c + r, translation at 12, 13, 14), handed to and
// from OpenGL unchanged. The composing operations multiply on the right,
// exactly as the OpenGL matrix stack does, so a transform built here in the
// same order equals the one OpenGL would build. Plain value, any thread.
#include "V3.h"

struct Matrix {
    float m[16];

    // The identity.
    Matrix();

    // Sets this matrix to the inverse of source by Gauss-Jordan elimination
    // with partial pivoting. False (this matrix unchanged) when source is
    // singular.
    bool invert(const Matrix& source);

    // this := this * other (glMultMatrixf).
    void multiply(const Matrix& other);
    // this := this * T(x, y, z) (glTranslatef).
    void translate(float x, float y, float z);
    // this := this * S(x, y, z) (glScalef).
    void scale(float x, float y, float z);
    // this := this * R(degrees about the axis (x, y, z)) (glRotatef).
    void rotate(float degrees, float x, float y, float z);
    // this := this * the perspective frustum (glFrustum).
    void frustum(double left, double right, double bottom, double top, double nearPlane, double farPlane);

    bool operator==(const Matrix& o) const;
};

// (m0 x + m4 y + m8 z + m12, m1 x + m5 y + m9 z + m13, m2 x + m6 y + m10 z +
// m14): the point through the matrix, its last row ignored.
V3 transformPoint(const V3& p, const Matrix& m);
