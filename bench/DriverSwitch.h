#pragma once
// Lets a benchmark time the engine's own drawing work without the display
// driver's. Included by exactly one source file of a benchmark program, it
// gives the program its own definitions of every OpenGL and SDL call the
// engine makes while it draws and presents a frame; the engine's calls reach
// these first (a program's own definitions come before its libraries'). Each
// is passed on to the driver while driverswitch::bDriverOn is set and left
// out, and counted, while it is clear. Left-out queries answer as a working
// display would for a frame in progress: every texture exists, and a matrix
// read back is zeros (the engine only restores what it read). Draw calls are
// counted either way. Main thread only.
#include <GL/gl.h>
#include <SDL/SDL.h>
#include <dlfcn.h>

namespace driverswitch {

inline bool bDriverOn = true;
// Calls left out while the driver was off, and draw calls made, since the
// benchmark last cleared them.
inline long callsLeftOut = 0;
inline long drawCalls = 0;

template <typename Function>
Function realFunction(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace driverswitch

#define DRIVER_CALL(name, parameters, arguments)                                                                     \
    extern "C" void name parameters                                                                                 \
    {                                                                                                                \
        using Real = void(*) parameters;                                                                             \
        static const Real real = driverswitch::realFunction<Real>(#name);                                           \
        if (driverswitch::bDriverOn)                                                                                 \
            real arguments;                                                                                          \
        else                                                                                                         \
            ++driverswitch::callsLeftOut;                                                                            \
    }

// Drawing and its state.
DRIVER_CALL(glInterleavedArrays, (GLenum format, GLsizei stride, const GLvoid* pointer), (format, stride, pointer))
DRIVER_CALL(glBindTexture, (GLenum target, GLuint texture), (target, texture))
DRIVER_CALL(glEnable, (GLenum capability), (capability))
DRIVER_CALL(glDisable, (GLenum capability), (capability))
DRIVER_CALL(glBlendFunc, (GLenum source, GLenum destination), (source, destination))
DRIVER_CALL(glAlphaFunc, (GLenum function, GLclampf reference), (function, reference))
DRIVER_CALL(glTexEnvf, (GLenum target, GLenum name, GLfloat value), (target, name, value))
DRIVER_CALL(glTexParameteri, (GLenum target, GLenum name, GLint value), (target, name, value))
// Matrices.
DRIVER_CALL(glMatrixMode, (GLenum mode), (mode))
DRIVER_CALL(glLoadIdentity, (), ())
DRIVER_CALL(glLoadMatrixf, (const GLfloat* matrix), (matrix))
// The rendered-string cache filling a strip.
DRIVER_CALL(glPixelStorei, (GLenum name, GLint value), (name, value))
DRIVER_CALL(glTexSubImage2D,
            (GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
             const GLvoid* pixels),
            (target, level, x, y, width, height, format, type, pixels))
// The debug font.
DRIVER_CALL(glColor3f, (GLfloat red, GLfloat green, GLfloat blue), (red, green, blue))
DRIVER_CALL(glRasterPos2i, (GLint x, GLint y), (x, y))
DRIVER_CALL(glBitmap,
            (GLsizei width, GLsizei height, GLfloat xOrigin, GLfloat yOrigin, GLfloat xMove, GLfloat yMove,
             const GLubyte* bitmap),
            (width, height, xOrigin, yOrigin, xMove, yMove, bitmap))
// Clearing and presenting.
DRIVER_CALL(glClearColor, (GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha), (red, green, blue, alpha))
DRIVER_CALL(glClear, (GLbitfield mask), (mask))
DRIVER_CALL(glFlush, (), ())
DRIVER_CALL(SDL_GL_SwapBuffers, (), ())

#undef DRIVER_CALL

extern "C" void glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    using Real = void (*)(GLenum, GLint, GLsizei);
    static const Real real = driverswitch::realFunction<Real>("glDrawArrays");
    ++driverswitch::drawCalls;
    if (driverswitch::bDriverOn)
        real(mode, first, count);
    else
        ++driverswitch::callsLeftOut;
}

extern "C" GLboolean glIsTexture(GLuint texture)
{
    using Real = GLboolean (*)(GLuint);
    static const Real real = driverswitch::realFunction<Real>("glIsTexture");
    if (driverswitch::bDriverOn)
        return real(texture);
    ++driverswitch::callsLeftOut;
    return GL_TRUE;
}

extern "C" void glGetFloatv(GLenum name, GLfloat* values)
{
    using Real = void (*)(GLenum, GLfloat*);
    static const Real real = driverswitch::realFunction<Real>("glGetFloatv");
    if (driverswitch::bDriverOn) {
        real(name, values);
        return;
    }
    ++driverswitch::callsLeftOut;
    // The engine reads back only the projection, 16 values.
    for (int i = 0; i < 16; ++i)
        values[i] = 0.0f;
}
