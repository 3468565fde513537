# X11: window type and state, work area, pointer hit test.
