# The launcher bar widget list1, file icons and the picture lists.
