// Temporary placeholder so the folder has a source; replaced by the text helpers.
