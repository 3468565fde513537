# Image button, skinned menu, tray icon, picture box, colours, message boxes.
