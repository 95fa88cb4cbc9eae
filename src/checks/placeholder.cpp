// The send checks start here.
