# Entry text, target classification, population and launch planning (pure).
