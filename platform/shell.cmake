# Opening targets the way a file manager would.
