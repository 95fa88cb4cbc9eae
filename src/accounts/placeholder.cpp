// Address resolution and the preferred sending account start here.
