#!/usr/bin/env python3
# Makes a plain top-level window of WIDTH x HEIGHT on $DISPLAY through Xlib,
# prints its id and holds it until killed: a host's window (a settings
# program's preview) for the hack to draw into.
#   hold-x-window.py WIDTH HEIGHT
import ctypes
import sys
import time

x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XCreateSimpleWindow.restype = ctypes.c_ulong
x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + \
    [ctypes.c_int] * 2 + [ctypes.c_uint] * 3 + [ctypes.c_ulong] * 2
x.XMapWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
display = x.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
window = x.XCreateSimpleWindow(display, x.XDefaultRootWindow(display), 0, 0,
                               int(sys.argv[1]), int(sys.argv[2]), 0, 0, 0)
x.XMapWindow(display, window)
x.XSync(display, 0)
print(window, flush=True)
time.sleep(3600)
